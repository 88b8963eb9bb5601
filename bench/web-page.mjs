// Measures the web page in build/web/site (or $SCHATTWERK_SITE) for bench/measure.sh, which writes
// the figures into docs/performance.md: what a first visit asks for and transfers, as the server of
// `./run.sh --web` sends it; the time from navigating to an address "#fall=S" to its case on
// screen, and to the first frame that shows anything of the page, on a first visit and on a repeat
// visit from the service worker, at full speed and with the CPU slowed 4× by DevTools, beside a
// bare page that shows one number and beside the page's own markup and style with a case filled in
// and no script (its floor); the main thread's own time up to then, by what it is spent on; and
// "Generieren" from the click to the updated rows. Prints one "name value" line per figure. Usage:
// node bench/web-page.mjs
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

const loads = Number(process.env.LOADS ?? 20);
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

// The time from navigation to the first frame after a hint number appears, and to the first frame
// that shows any text of the page, in `context`: a new one for a first visit (no HTTP cache, no
// service worker), one the page has been in before for a repeat visit. The CPU slowed `rate`
// times, the network as `network` says; with `trace`, the load is traced into that file.
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
        await page.waitForFunction(
            () => performance.getEntriesByName('first-contentful-paint').length > 0,
        );
        return await page.evaluate(() => ({
            shown: window.caseShownAt,
            firstFrame: performance.getEntriesByName('first-contentful-paint')[0].startTime,
        }));
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
// outermost events of each kind, so that none counts twice. The page's script, and the engine when
// it is ready by then, run inside the parse, which counts without them.
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
    engine: ['RunMicrotasks', 'v8.wasm.compileConsume', 'wasm.SyncInstantiate'],
    render: ['ParseAuthorStyleSheet', 'UpdateLayoutTree', 'Layout', 'PrePaint', 'Paint', 'Commit'],
};
async function mainThreadTimes(browser, url) {
    const context = await browser.createBrowserContext();
    const trace = join(work, 'trace.json');
    try {
        const { shown } = await timeToCase(context, url, { trace });
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
        const inside = (event, other) =>
            other !== event &&
            other.ts <= event.ts &&
            other.ts + other.dur >= event.ts + event.dur;
        const outermost = (names) => {
            const chosen = main.filter((event) => names.includes(event.name));
            return chosen.filter((event) => !chosen.some((other) => inside(event, other)));
        };
        const threadTime = (events) =>
            events.reduce((sum, event) => sum + (event.tdur ?? 0), 0) / 1000;
        const tasks = outermost(['RunTask', 'ThreadControllerImpl::RunTask']);
        const times = { total: threadTime(tasks) };
        const chosen = {};
        for (const [kind, names] of Object.entries(kinds)) {
            chosen[kind] = outermost(names);
            times[kind] = threadTime(chosen[kind]);
        }
        const inParse = Object.entries(chosen)
            .filter(([kind]) => kind !== 'parse')
            .flatMap(([, events]) => events)
            .filter((event) => chosen.parse.some((parse) => inside(event, parse)));
        times.parse -= threadTime(inParse);
        return times;
    } finally {
        await context.close();
    }
}

// The page's own markup and style with the case of `url` filled in and no script, as `folder`'s
// page: what any page showing a case in this markup costs, whatever makes the case.
async function writeFloorPage(browser, url, folder) {
    const page = await browser.newPage();
    await page.goto(url);
    await page.waitForFunction(() => document.querySelector('#rows .hint')?.textContent);
    const html = await page.evaluate(() => {
        for (const script of document.querySelectorAll('script')) script.remove();
        return `<!DOCTYPE html>\n${document.documentElement.outerHTML}`;
    });
    await page.close();
    mkdirSync(folder);
    writeFileSync(join(folder, 'index.html'), html);
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
const floorFolder = join(work, 'floor');
await writeFloorPage(browser, `${server.url}#fall=0`, floorFolder);
const floorServer = await serveSite(floorFolder);
try {
    const figures = {};
    const address = (load) => `${server.url}#fall=${load * 104729}`;
    for (const [rate, suffix] of [[1, ''], [4, '_slowed']]) {
        const loaded = { first: [], bare: [], floor: [], repeat: [] };
        const visited = await visitedContext(browser, server.url);
        for (let load = 0; load < loads; load += 1) {
            loaded.first.push(await firstVisit(browser, address(load), { rate }));
            loaded.bare.push(await firstVisit(browser, bareServer.url, { rate }));
            loaded.floor.push(await firstVisit(browser, floorServer.url, { rate }));
            loaded.repeat.push(await timeToCase(visited, address(load), { rate }));
        }
        await visited.close();
        const [first, bare, floor, repeat] = ['first', 'bare', 'floor', 'repeat'].map((which) =>
            loaded[which].map(({ shown }) => shown),
        );
        const [firstFrame, bareFrame] = ['first', 'bare'].map((which) =>
            loaded[which].map((times) => times.firstFrame),
        );
        Object.assign(figures, {
            [`shown${suffix}_median_ms`]: median(first).toFixed(1),
            [`shown${suffix}_max_ms`]: Math.max(...first).toFixed(1),
            [`bare${suffix}_median_ms`]: median(bare).toFixed(1),
            [`shown${suffix}_ratio`]: (median(first) / median(bare)).toFixed(2),
            [`floor${suffix}_median_ms`]: median(floor).toFixed(1),
            [`floor${suffix}_ratio`]: (median(floor) / median(bare)).toFixed(2),
            [`first_frame${suffix}_median_ms`]: median(firstFrame).toFixed(1),
            [`bare_frame${suffix}_median_ms`]: median(bareFrame).toFixed(1),
            [`first_frame${suffix}_ratio`]: (median(firstFrame) / median(bareFrame)).toFixed(2),
            [`repeat${suffix}_median_ms`]: median(repeat).toFixed(1),
        });
    }

    // On a phone's network, where each round trip counts, a first visit against a repeat visit
    // from the service worker.
    const network = { latency: 150, download: 200000, upload: 90000 };
    const onPhone = { first: [], repeat: [] };
    const visited = await visitedContext(browser, server.url);
    for (let load = 0; load < loads; load += 1) {
        onPhone.first.push((await firstVisit(browser, address(load), { network })).shown);
        onPhone.repeat.push((await timeToCase(visited, address(load), { network })).shown);
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
    await floorServer.stop();
    await server.stop();
    rmSync(work, { recursive: true });
}
