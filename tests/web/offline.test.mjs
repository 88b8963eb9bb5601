// The site as a host serves it and as the service worker keeps it: a first visit asks for each file
// once; after it the page loads and works with the server stopped, at any address of the site, and
// opens its help, never read before, which leads back to the case; a new version reaches every
// open tab; an engine that fails or does not come is said. The server of `./run.sh --web` and the
// nginx example of docs/deploying.md send the same types, compressed forms and headers.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import {
    cpSync,
    mkdtempSync,
    readdirSync,
    readFileSync,
    rmSync,
    unlinkSync,
    writeFileSync,
} from 'node:fs';
import { get } from 'node:http';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import {
    launchBrowser,
    openPage,
    readView,
    repo,
    serveSite,
    showNumber,
    site,
    useSite,
} from './support.mjs';

const shared = useSite();

test('a first visit asks for each file once; after it the page works offline', async () => {
    const server = await serveSite();
    const browser = await launchBrowser();
    try {
        const page = await openPage(browser, server.url);
        await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
        await page.waitForNetworkIdle();
        const asked = server.requests.map((line) => line.split(' ').slice(1, 3).join(' '));
        assert.deepEqual(asked, [...new Set(asked)]);
        assert.ok(asked.every((request) => request.endsWith(' 200')), asked);

        await showNumber(page, 42);
        await server.stop();

        // The help, never read before, and back from it to the case.
        await Promise.all([page.waitForNavigation(), page.click('#help')]);
        assert.equal(await page.title(), 'Die Webseite – Dornak-Schattwerk-Generator');
        await Promise.all([page.waitForNavigation(), page.click('#zur-webseite')]);
        await page.waitForSelector('#generate:enabled');
        assert.equal((await readView(page)).number, 'Fall-Nr. 42');
        await page.click('#generate');
        const drawn = await readView(page);
        assert.notEqual(drawn.number, 'Fall-Nr. 42');
        assert.ok(drawn.rows.every(([, hint]) => /^\d\d$/.test(hint)), drawn.rows);

        await page.goto(`${server.url}gibt/es/nicht#fall=7`);
        await page.waitForSelector('#generate:enabled');
        assert.equal((await readView(page)).number, 'Fall-Nr. 7');

        // A help page that the browser has not kept says so and leads back all the same.
        await page.evaluate(async () => {
            for (const name of await caches.keys()) {
                await (await caches.open(name)).delete('help/ref_webseite.html');
            }
        });
        await page.goto(`${server.url}help/ref_webseite.html?fall=7#l_e100`);
        assert.equal(await page.title(), 'Hilfe ohne Netz – Dornak-Schattwerk-Generator');
        await Promise.all([page.waitForNavigation(), page.click('#zur-webseite')]);
        await page.waitForSelector('#generate:enabled');
        assert.equal((await readView(page)).number, 'Fall-Nr. 7');
    } finally {
        await browser.close();
        await server.stop();
    }
});

// The page's site version, and a new build of `folder` as far as the worker and the page can tell:
// another version in both (without their compressed forms, which would still carry the old one).
const siteVersion = (page) => page.$eval('meta[name=schattwerk-site]', (meta) => meta.content);
function buildAnew(folder, version) {
    for (const file of ['index.html', 'sw.js']) {
        const path = join(folder, file);
        writeFileSync(path, readFileSync(path, 'utf8').replaceAll(version, 'f'.repeat(16)));
        unlinkSync(`${path}.br`);
        unlinkSync(`${path}.gz`);
    }
    return 'f'.repeat(16);
}

test('a new version is offered at the top of every tab, "Neu laden" works in each', async () => {
    const folder = mkdtempSync(join(tmpdir(), 'schattwerk-site-'));
    cpSync(site, folder, { recursive: true });
    const server = await serveSite(folder);
    const browser = await launchBrowser();
    try {
        const tabs = [];
        for (const number of [1, 2]) {
            const tab = await openPage(browser, `${server.url}#fall=${number}`);
            await tab.waitForFunction(() => navigator.serviceWorker.controller !== null);
            tabs.push(tab);
        }
        const version = buildAnew(folder, await siteVersion(tabs[0]));

        // The second tab comes back to the foreground and finds it; the first tab takes it.
        await tabs[1].evaluate(() => document.dispatchEvent(new Event('visibilitychange')));
        for (const tab of tabs) {
            await tab.bringToFront();
            const notice = await tab.waitForSelector('#update:not([hidden])');
            const onTop = await notice.evaluate(
                (update) =>
                    update.getBoundingClientRect().bottom <
                    document.getElementById('rows').getBoundingClientRect().top,
            );
            assert.ok(onTop, 'the notice stands above the case');
        }
        for (const tab of tabs) {
            await tab.bringToFront();
            await Promise.all([tab.waitForNavigation(), tab.click('#update-reload')]);
        }
        for (const [index, tab] of tabs.entries()) {
            await tab.waitForSelector('#generate:enabled');
            assert.equal(await siteVersion(tab), version);
            assert.equal((await readView(tab)).number, `Fall-Nr. ${index + 1}`);
        }
    } finally {
        await browser.close();
        await server.stop();
        rmSync(folder, { recursive: true });
    }
});

test('an engine that fails or does not come is said at the top, with "Neu laden"', async () => {
    const page = await shared.browser.newPage();
    // The page's ten seconds of waiting pass in a tenth of a second here.
    await page.evaluateOnNewDocument(() => {
        const wait = self.setTimeout;
        self.setTimeout = (run, delay, ...rest) => wait(run, delay / 100, ...rest);
    });
    await page.setRequestInterception(true);
    let engine;
    page.on('request', (request) => {
        if (!request.url().endsWith('.wasm') || engine === 'sent') request.continue();
        else if (engine === 'lost') request.abort();
        else if (engine === 'corrupt') {
            request.respond({ contentType: 'application/wasm', body: 'kein Programmkern' });
        }
    });
    const failures = [
        ['lost', 'Der Programmkern der Seite ließ sich nicht laden. Prüfen Sie die Verbindung ' +
            'und laden Sie die Seite neu.'],
        ['corrupt', 'Der Programmkern der Seite lässt sich nicht starten: Die geladene Datei ' +
            'ist fehlerhaft, oder dieser Browser führt kein WebAssembly aus. Laden Sie die ' +
            'Seite neu; bleibt diese Meldung, versuchen Sie einen anderen Browser.'],
        ['held', 'Der Programmkern der Seite kommt nicht an. Prüfen Sie die Verbindung und ' +
            'laden Sie die Seite neu.'],
    ];
    for (const [failure, text] of failures) {
        engine = failure;
        await page.goto(shared.url(`?${failure}#fall=42`));
        // The wait may run out before a slow failure comes; then the failure's own text follows.
        const said = `${text} Neu laden`;
        await page.waitForFunction(
            (t) => document.getElementById('message').textContent === t,
            {},
            said,
        );
        const reload = await page.$('#message button');
        const shown = await page.evaluate(() => ({
            message: document.getElementById('message').textContent,
            loadingNote: document.getElementById('case-number').textContent,
            drawn: ['h1', '#rows', '#generate'].every((selector) =>
                document.querySelector(selector).checkVisibility(),
            ),
            onTop:
                document.getElementById('message').getBoundingClientRect().bottom <
                document.getElementById('rows').getBoundingClientRect().top,
            disabled: document.getElementById('generate').disabled,
        }));
        const expected = {
            message: said,
            loadingNote: '',
            drawn: true,
            onTop: true,
            disabled: true,
        };
        assert.deepEqual(shown, expected, failure);
        if (failure === 'held') {
            engine = 'sent';
            await Promise.all([page.waitForNavigation(), reload.click()]);
        }
    }
    await page.waitForSelector('#generate:enabled');
    assert.equal((await readView(page)).number, 'Fall-Nr. 42');
});

// What a browser that takes `encodings` gets for `path`, undecoded: status and headers.
const answer = (url, path, encodings) =>
    new Promise((resolve, reject) => {
        get(`${url}${path}`, { headers: { 'accept-encoding': encodings } }, (response) => {
            response.resume();
            const { headers } = response;
            resolve({
                status: response.statusCode,
                type: headers['content-type'],
                encoding: headers['content-encoding'],
                cache: headers['cache-control'],
                policy: headers['content-security-policy'],
                sniffing: headers['x-content-type-options'],
                permissions: headers['permissions-policy'],
                preload: headers.link,
            });
        }).on('error', reject);
    });

async function freePort() {
    const probe = createServer().listen(0, '127.0.0.1');
    await once(probe, 'listening');
    const { port } = probe.address();
    probe.close();
    return port;
}

// The nginx example configuration, with its `listen` and `root` changed to a free local port and
// the site, in an nginx of its own with the modules that Debian's nginx enables.
async function serveWithNginx() {
    const folder = mkdtempSync(join(tmpdir(), 'schattwerk-nginx-'));
    const port = await freePort();
    const example = readFileSync(`${repo}web/nginx.conf`, 'utf8')
        .replace(/^ {4}listen .*;$/m, `    listen 127.0.0.1:${port};`)
        .replace(/^ {4}root .*;$/m, `    root ${site};`)
        .replace(/^include .*\/nginx-preload.conf;$/m, `include ${site}/nginx-preload.conf;`);
    writeFileSync(join(folder, 'site.conf'), example);
    writeFileSync(
        join(folder, 'nginx.conf'),
        [
            'include /etc/nginx/modules-enabled/*.conf;',
            `pid ${folder}/nginx.pid;`,
            `error_log ${folder}/error.log;`,
            'events {}',
            `http { access_log off; client_body_temp_path ${folder};`,
            `    include ${folder}/site.conf; }`,
        ].join('\n'),
    );
    const settings = ['-p', '/usr/share/nginx/', '-c', join(folder, 'nginx.conf')];
    const nginx = spawn('/usr/sbin/nginx', [...settings, '-g', 'daemon off; master_process off;'], {
        stdio: 'inherit',
    });
    const url = `http://127.0.0.1:${port}/`;
    for (let tries = 0; ; tries += 1) {
        try {
            await answer(url, '', '');
            break;
        } catch (error) {
            if (tries === 50 || nginx.exitCode !== null) throw error;
            await new Promise((resolve) => setTimeout(resolve, 100));
        }
    }
    const stop = async () => {
        if (nginx.exitCode === null && nginx.kill()) await once(nginx, 'exit');
        rmSync(folder, { recursive: true });
    };
    return { url, stop };
}

test('run.sh’s server and the nginx example send the same types, forms and headers', async () => {
    const engine = readdirSync(site).find((file) => file.endsWith('.wasm'));
    const forever = 'public, max-age=31536000, immutable';
    const preload = `<${engine}>; rel=preload; as=fetch; crossorigin`;
    const policy = "frame-ancestors 'none'";
    const html = 'text/html; charset=utf-8';
    const script = 'text/javascript; charset=utf-8';
    const expected = [
        ['', 'gzip, deflate, br', 200, html, 'br', 'no-cache'],
        ['help/ref_webseite.html?fall=1', 'gzip', 200, html, 'gzip', 'no-cache'],
        ['help/help.js', '', 200, script, undefined, 'no-cache'],
        ['help/style.css', 'gzip', 200, 'text/css; charset=utf-8', 'gzip', 'no-cache'],
        [engine, 'br', 200, 'application/wasm', 'br', forever],
        ['sw.js', 'br', 200, script, 'br', 'no-cache'],
        ['manifest.webmanifest', 'br', 200, 'application/manifest+json', 'br', 'no-cache'],
        ['icons/schattwerk.svg', 'br', 200, 'image/svg+xml', 'br', 'no-cache'],
        ['icons/schattwerk-192.png', 'br', 200, 'image/png', undefined, 'no-cache'],
        ['gibt-es-nicht', 'br', 404, html, undefined, 'no-cache'],
        ['help', 'br', 301, 'text/html', undefined, 'no-cache'],
        ['nginx-preload.conf', 'br', 404, html, undefined, 'no-cache'],
    ];
    const permissions =
        'camera=(), microphone=(), geolocation=(), payment=(), usb=(), serial=(), hid=(), ' +
        'midi=(), display-capture=()';
    const nginx = await serveWithNginx();
    try {
        for (const server of [shared.server, nginx]) {
            for (const [path, encodings, status, type, encoding, cache] of expected) {
                const got = await answer(server.url, path, encodings);
                const wanted = { status, type, encoding, cache, policy, permissions };
                wanted.sniffing = 'nosniff';
                wanted.preload = path === '' ? preload : undefined;
                assert.deepEqual(got, wanted, `${server.url}${path}`);
            }
        }
    } finally {
        await nginx.stop();
    }
});
