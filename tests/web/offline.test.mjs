// The site as the service worker keeps it: a first visit asks for each file once; after it the page
// loads and works with the server stopped, at any address of the site, and opens its help once
// read; an engine that cannot load is said.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { launchBrowser, openPage, readView, serveSite, useSite } from './support.mjs';

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

        await page.goto(`${server.url}help/ref_webseite.html?fall=42#l_adresse`);
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
