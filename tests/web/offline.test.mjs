// After one visit the service worker holds the whole site: with the server gone the page loads,
// draws and shows cases, and opens its help.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { launchBrowser, openPage, readView, serveSite } from './support.mjs';

test('after one visit the page loads and works with the server stopped', async () => {
    const server = await serveSite();
    const browser = await launchBrowser();
    try {
        const page = await openPage(browser, server.url);
        await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
        await server.stop();

        await page.evaluate(() => {
            location.hash = 'fall=42';
        });
        await page.reload();
        await page.waitForSelector('#generate:enabled');
        assert.equal((await readView(page)).number, 'Fall-Nr. 42');
        await page.click('#generate');
        const drawn = await readView(page);
        assert.notEqual(drawn.number, 'Fall-Nr. 42');
        assert.ok(drawn.rows.every(([, hint]) => /^\d\d$/.test(hint)), drawn.rows);

        await page.goto(`${server.url}help/ref_webseite.html`);
        assert.equal(await page.title(), 'Die Webseite – Dornak-Schattwerk-Generator');
    } finally {
        await browser.close();
        await server.stop();
    }
});
