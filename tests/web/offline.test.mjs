// The site as a host serves it and as the service worker keeps it: a first visit asks for each file
// once; after it the page loads and works with the server stopped, at any address of the site, and
// opens its help once read; an engine that cannot load is said. The server of `./run.sh --web` and
// the nginx example of docs/deploying.md send the same types, compressed forms and headers.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
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
        await Promise.all([page.waitForNavigation(), page.click('#help')]);
        const back = await page.$eval('#zur-webseite', (link) => link.href);
        assert.equal(back, `${server.url}#fall=42`);
        await server.stop();

        await page.goto(back);
        await page.waitForSelector('#generate:enabled');
        assert.equal((await readView(page)).number, 'Fall-Nr. 42');
        await page.click('#generate');
        const drawn = await readView(page);
        assert.notEqual(drawn.number, 'Fall-Nr. 42');
        assert.ok(drawn.rows.every(([, hint]) => /^\d\d$/.test(hint)), drawn.rows);

        await page.goto(`${server.url}gibt/es/nicht#fall=7`);
        await page.waitForSelector('#generate:enabled');
        assert.equal((await readView(page)).number, 'Fall-Nr. 7');

        await page.goto(`${server.url}help/ref_webseite.html`);
        assert.equal(await page.title(), 'Die Webseite – Dornak-Schattwerk-Generator');
    } finally {
        await browser.close();
        await server.stop();
    }
});

test('an engine that cannot load is said, with a button that loads the page again', async () => {
    const page = await shared.browser.newPage();
    await page.setRequestInterception(true);
    let refused = true;
    page.on('request', (request) =>
        refused && request.url().endsWith('.wasm') ? request.abort() : request.continue(),
    );
    await page.goto(shared.url('#fall=42'));
    const said = await page.waitForSelector('#status button');
    assert.equal(
        await page.$eval('#status', (status) => status.textContent),
        'Der Programmkern der Seite ließ sich nicht laden. Prüfen Sie die Verbindung und laden ' +
            'Sie die Seite neu. Neu laden',
    );
    assert.ok(await page.$eval('#generate', (button) => button.disabled));
    refused = false;
    await Promise.all([page.waitForNavigation(), said.click()]);
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
        .replace(/^ {4}root .*;$/m, `    root ${site};`);
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
    ];
    const nginx = await serveWithNginx();
    try {
        for (const server of [shared.server, nginx]) {
            for (const [path, encodings, status, type, encoding, cache] of expected) {
                const got = await answer(server.url, path, encodings);
                const wanted = { status, type, encoding, cache, policy, sniffing: 'nosniff' };
                assert.deepEqual(got, wanted, `${server.url}${path}`);
            }
        }
    } finally {
        await nginx.stop();
    }
});
