// Measures the web page in build/web/site for bench/measure.sh, which writes the figures into
// docs/performance.md: what a first visit asks for and transfers, as the server of `./run.sh --web`
// sends it; the time from navigating to an address "#fall=S" to its case on screen, on a first
// visit and on a repeat visit from the service worker, at full speed and with the CPU slowed 4× by
// DevTools, beside a bare page's first frame; the main thread's own time up to then, by what it is
// spent on; and "Generieren" from the click to the updated rows. Prints one "name value" line per
// figure. Usage: node bench/web-page.mjs
import {
    mkdirSync,
    mkdtempSync,
    readdirSync,
    readFileSync,
    rmSync,
    statSync,
    writeFileSync,
} from 'node:fs';
import { once } from 'node:events';
import { createServer, connect } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchBrowser, serveSite, site } from '../tests/web/support.mjs';

const loads = 20;
const tracedLoads = 7;
const clicks = 50;
const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const kb = (bytes) => (bytes / 1000).toFixed(1);

// A forwarder in front of `url` that counts the bytes the server sends, headers included, and
// notes each request line the browser sends, whatever the server.
async function countingForwarder(url) {
    const upstream = new URL(url);
    const counted = { bytes: 0, requests: [] };
    const sockets = new Set();
    const forwarder = createServer((client) => {
        const server = connect(Number(upstream.port), upstream.hostname);
        sockets.add(client).add(server);
        let pending = '';
        client.on('data', (chunk) => {
            pending += chunk.toString('latin1');
            const lines = pending.split('\r\n');
            pending = lines.pop();
            for (const line of lines) {
                const request = line.match(/^(GET|HEAD) (\S+) HTTP\//);
                if (request) counted.requests.push(request[2]);
            }
        });
        server.on('data', (chunk) => {
            counted.bytes += chunk.length;
        });
        client.pipe(server).pipe(client);
        for (const socket of [client, server]) {
            socket.on('error', () => {});
            socket.on('close', () => sockets.delete(socket));
        }
    });
    forwarder.listen(0, '127.0.0.1');
    await once(forwarder, 'listening');
    return {
        url: `http://127.0.0.1:${forwarder.address().port}/`,
        counted,
        close: () => {
            for (const socket of sockets) socket.destroy();
            forwarder.close();
        },
    };
}

// The time from navigation to the first frame after a hint number appears, in `context`: a new
// one for a first visit (no HTTP cache, no service worker), one the page has been in before for a
// repeat visit. The CPU slowed `rate` times, the network as `network` says; with `trace`, the load
// is traced into that file.
async function timeToCase(context, url, { rate = 1, network = null, trace = null } = {}) {
    const page = await context.newPage();
    try {
        const session = await page.createCDPSession();
        await session.send('Emulation.setCPUThrottlingRate', { rate });
        await page.emulateNetworkConditions(network);
        await page.evaluateOnNewDocument(() => {
            new MutationObserver((_, observer) => {
                if (document.querySelector('#rows .hint')?.textContent) {
                    observer.disconnect();
                    requestAnimationFrame(() => {
                        window.caseShownAt = performance.now();
                    });
                }
            }).observe(document, { subtree: true, childList: true, characterData: true });
        });
        if (trace) await page.tracing.start({ path: trace, categories: traceCategories });
        await page.goto(url);
        await page.waitForFunction(() => window.caseShownAt !== undefined);
        if (trace) await page.tracing.stop();
        return await page.evaluate(() => window.caseShownAt);
    } finally {
        await page.close();
    }
}

async function firstVisit(browser, url, conditions) {
    const context = await browser.createBrowserContext();
    try {
        return await timeToCase(context, url, conditions);
    } finally {
        await context.close();
    }
}

// A context whose service worker controls the site, as after a first visit.
async function visitedContext(browser, url) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await page.close();
    return context;
}

// The main thread's own time (thread time, which the rest of a busy machine hardly changes) from
// navigation to the case on screen on a first visit, in all and by what it was spent on: the
// outermost events of each kind, so that none counts twice.
const traceCategories = [
    'devtools.timeline',
    'v8.execute',
    'v8.wasm',
    'blink',
    'blink.user_timing',
    'toplevel',
];
const kinds = {
    parse: ['ParseHTML'],
    script: ['v8.compileModule', 'v8.evaluateModule', 'EvaluateScript'],
    engine: ['RunMicrotasks', 'v8.wasm.compileConsume', 'wasm.AsyncInstantiate'],
    render: ['ParseAuthorStyleSheet', 'UpdateLayoutTree', 'Layout', 'PrePaint', 'Paint', 'Commit'],
};
async function mainThreadTimes(browser, url) {
    const context = await browser.createBrowserContext();
    const trace = join(work, 'trace.json');
    try {
        const shown = await timeToCase(context, url, { trace });
        const events = JSON.parse(readFileSync(trace)).traceEvents;
        const start = events.find(
            (event) =>
                event.name === 'navigationStart' &&
                event.args?.data?.documentLoaderURL?.startsWith(url.replace(/#.*/, '')),
        );
        const main = events.filter(
            (event) =>
                event.pid === start.pid &&
                event.tid === start.tid &&
                event.ph === 'X' &&
                event.ts >= start.ts &&
                event.ts <= start.ts + shown * 1000,
        );
        const outermost = (names) => {
            const chosen = main.filter((event) => names.includes(event.name));
            const inside = (event, other) =>
                other !== event &&
                other.ts <= event.ts &&
                other.ts + other.dur >= event.ts + event.dur;
            return chosen.filter((event) => !chosen.some((other) => inside(event, other)));
        };
        const threadTime = (names) =>
            outermost(names).reduce((sum, event) => sum + (event.tdur ?? 0), 0) / 1000;
        const times = { total: threadTime(['RunTask', 'ThreadControllerImpl::RunTask']) };
        for (const [kind, names] of Object.entries(kinds)) times[kind] = threadTime(names);
        return times;
    } finally {
        await context.close();
    }
}

// A page with a hint number in its markup and nothing else: what any first visit costs.
const work = mkdtempSync(join(tmpdir(), 'schattwerk-bench-'));
const bareFolder = join(work, 'bare');
mkdirSync(bareFolder);
writeFileSync(
    join(bareFolder, 'index.html'),
    '<!DOCTYPE html><html lang="de"><meta charset="utf-8"><title>-</title>' +
        '<ol id="rows"><li><span class="hint">74</span></li></ol>',
);

const server = await serveSite();
const bareServer = await serveSite(bareFolder);
const browser = await launchBrowser();
try {
    const figures = {};
    const address = (load) => `${server.url}#fall=${load * 104729}`;
    for (const [rate, suffix] of [[1, ''], [4, '_slowed']]) {
        const first = [];
        const bare = [];
        const repeat = [];
        const visited = await visitedContext(browser, server.url);
        for (let load = 0; load < loads; load += 1) {
            first.push(await firstVisit(browser, address(load), { rate }));
            bare.push(await firstVisit(browser, bareServer.url, { rate }));
            repeat.push(await timeToCase(visited, address(load), { rate }));
        }
        await visited.close();
        Object.assign(figures, {
            [`shown${suffix}_median_ms`]: median(first).toFixed(1),
            [`shown${suffix}_max_ms`]: Math.max(...first).toFixed(1),
            [`bare${suffix}_median_ms`]: median(bare).toFixed(1),
            [`shown${suffix}_ratio`]: (median(first) / median(bare)).toFixed(2),
            [`repeat${suffix}_median_ms`]: median(repeat).toFixed(1),
        });
    }

    // On a phone's network, where each round trip counts, a first visit against a repeat visit
    // from the service worker.
    const network = { latency: 150, download: 200000, upload: 90000 };
    const onPhone = { first: [], repeat: [] };
    const visited = await visitedContext(browser, server.url);
    for (let load = 0; load < loads; load += 1) {
        onPhone.first.push(await firstVisit(browser, address(load), { network }));
        onPhone.repeat.push(await timeToCase(visited, address(load), { network }));
    }
    await visited.close();
    figures.network_first_median_ms = median(onPhone.first).toFixed(1);
    figures.network_repeat_median_ms = median(onPhone.repeat).toFixed(1);

    const traced = { page: [], bare: [] };
    for (let load = 0; load < tracedLoads; load += 1) {
        traced.page.push(await mainThreadTimes(browser, address(load)));
        traced.bare.push(await mainThreadTimes(browser, bareServer.url));
    }
    for (const [which, times] of Object.entries(traced)) {
        for (const kind of Object.keys(times[0])) {
            const time = median(times.map((one) => one[kind]));
            figures[`thread_${which}_${kind}_ms`] = time.toFixed(1);
        }
    }

    // A first visit through the forwarder, until the service worker controls the page and the
    // network is idle: everything the browser asks for, and every byte the server sends.
    const forwarder = await countingForwarder(server.url);
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.goto(forwarder.url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await page.waitForNetworkIdle();
    const { requests, bytes } = forwarder.counted;
    Object.assign(figures, {
        visit_requests: requests.length,
        visit_files: new Set(requests.map((path) => new URL(path, server.url).pathname)).size,
        visit_kb: kb(bytes),
    });

    const generateTimes = async () =>
        page.evaluate((count) => {
            const button = document.getElementById('generate');
            return Array.from({ length: count }, () => {
                const start = performance.now();
                button.click();
                return performance.now() - start;
            });
        }, clicks);
    const generate = median(await generateTimes());
    const session = await page.createCDPSession();
    await session.send('Emulation.setCPUThrottlingRate', { rate: 4 });
    const generateSlowed = median(await generateTimes());
    await context.close();
    forwarder.close();

    const wasm = readdirSync(site).find((file) => file.endsWith('.wasm'));
    const size = (file) => statSync(join(site, file)).size;
    Object.assign(figures, {
        wasm_raw_kb: kb(size(wasm)),
        wasm_gzip_kb: kb(size(`${wasm}.gz`)),
        wasm_brotli_kb: kb(size(`${wasm}.br`)),
        generate_median_ms: generate.toFixed(3),
        generate_slowed_median_ms: generateSlowed.toFixed(3),
        chromium: (await browser.version()).replace(/^HeadlessChrome\//, ''),
    });
    for (const [name, value] of Object.entries(figures)) console.log(`${name} ${value}`);
} finally {
    await browser.close();
    await bareServer.stop();
    await server.stop();
    rmSync(work, { recursive: true });
}
