// Measures the web page in build/web/site for bench/measure.sh, which writes the figures into
// docs/performance.md: what a first visit transfers, compressed as a server would send it; the
// time from navigating to an address "#fall=S" to its case on screen, on a first visit with the
// CPU slowed 4× by DevTools, beside a bare page's first frame; and "Generieren" from the click to
// the updated rows. Prints one "name value" line per figure. Usage: node bench/web-page.mjs
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, relative } from 'node:path';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import { launchBrowser, serveSite, site } from '../tests/web/support.mjs';

const loads = 20;
const clicks = 50;
const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const kb = (bytes) => (bytes / 1000).toFixed(1);

// Bytes on the wire: gzip -9 and brotli for text and WebAssembly; images go as they are.
function wireSizes(file) {
    const bytes = readFileSync(join(site, file));
    if (extname(file) === '.png') return { gzip: bytes.length, brotli: bytes.length };
    const brotli = brotliCompressSync(bytes, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } });
    return { gzip: gzipSync(bytes, { level: 9 }).length, brotli: brotli.length };
}
const total = (files, kind) => files.reduce((sum, file) => sum + wireSizes(file)[kind], 0);
const siteFiles = (folder = site) =>
    readdirSync(folder, { withFileTypes: true }).flatMap((entry) => {
        const path = join(folder, entry.name);
        return entry.isDirectory() ? siteFiles(path) : [relative(site, path)];
    });

// The time from navigation to the first frame after a hint number appears, in a browser context
// of its own: no HTTP cache, no service worker, as on a first visit.
async function timeToCase(browser, url) {
    const context = await browser.createBrowserContext();
    try {
        const page = await context.newPage();
        const session = await page.createCDPSession();
        await session.send('Emulation.setCPUThrottlingRate', { rate: 4 });
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
        await page.goto(url);
        await page.waitForFunction(() => window.caseShownAt !== undefined);
        return await page.evaluate(() => window.caseShownAt);
    } finally {
        await context.close();
    }
}

// A page with a hint number in its markup and nothing else: what any first visit costs.
const bareFolder = mkdtempSync(join(tmpdir(), 'schattwerk-bare-'));
writeFileSync(
    join(bareFolder, 'index.html'),
    '<!DOCTYPE html><html lang="de"><meta charset="utf-8"><title>-</title>' +
        '<ol id="rows"><li><span class="hint">74</span></li></ol>',
);

const server = await serveSite();
const bareServer = await serveSite(bareFolder);
const browser = await launchBrowser();
try {
    const shownTimes = [];
    const bareTimes = [];
    for (let load = 0; load < loads; load += 1) {
        shownTimes.push(await timeToCase(browser, `${server.url}#fall=${load * 104729}`));
        bareTimes.push(await timeToCase(browser, bareServer.url));
    }

    // What the page itself asks for on a first visit; its service worker then fetches every file.
    const page = await browser.newPage();
    const requested = new Set();
    page.on('request', (request) => requested.add(new URL(request.url()).pathname));
    await page.goto(server.url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await page.waitForNetworkIdle();
    const pageFiles = [...requested].map((path) => (path === '/' ? 'index.html' : path.slice(1)));

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

    const all = siteFiles();
    const wasm = wireSizes('schattwerk.wasm');
    const figures = {
        page_files: pageFiles.length,
        page_gzip_kb: kb(total(pageFiles, 'gzip')),
        page_brotli_kb: kb(total(pageFiles, 'brotli')),
        site_files: all.length,
        site_gzip_kb: kb(total(all, 'gzip')),
        site_brotli_kb: kb(total(all, 'brotli')),
        visit_gzip_kb: kb(total(pageFiles, 'gzip') + total(all, 'gzip')),
        visit_brotli_kb: kb(total(pageFiles, 'brotli') + total(all, 'brotli')),
        wasm_raw_kb: kb(readFileSync(join(site, 'schattwerk.wasm')).length),
        wasm_gzip_kb: kb(wasm.gzip),
        wasm_brotli_kb: kb(wasm.brotli),
        shown_median_ms: median(shownTimes).toFixed(1),
        shown_max_ms: Math.max(...shownTimes).toFixed(1),
        bare_median_ms: median(bareTimes).toFixed(1),
        generate_median_ms: generate.toFixed(3),
        generate_slowed_median_ms: generateSlowed.toFixed(3),
        chromium: (await browser.version()).replace(/^HeadlessChrome\//, ''),
    };
    for (const [name, value] of Object.entries(figures)) console.log(`${name} ${value}`);
} finally {
    await browser.close();
    await bareServer.stop();
    await server.stop();
    rmSync(bareFolder, { recursive: true });
}
