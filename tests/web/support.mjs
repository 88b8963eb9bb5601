// What the browser tests share: the site served on a free local port, headless Debian Chromium,
// and the page read as a person sees it.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { resolve } from 'node:path';
import { after, before } from 'node:test';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

export const repo = fileURLToPath(new URL('../..', import.meta.url));
export const site = resolve(process.env.SCHATTWERK_SITE ?? `${repo}build/web/site`);
export const cli = process.env.SCHATTWERK_CLI ?? `${repo}build/dev/bin/schattwerk`;

// The site (or another folder) on 127.0.0.1 at a port that the system picks, by the server that
// `./run.sh --web` uses. `requests` lists each request it answered: method, path, status, bytes.
export async function serveSite(folder = site) {
    const server = spawn('/usr/bin/python3', [`${repo}web/serve.py`, folder, '0'], {
        stdio: ['ignore', 'pipe', 'inherit'],
    });
    const requests = [];
    const url = await new Promise((resolve, reject) => {
        let output = '';
        server.stdout.on('data', (chunk) => {
            output += chunk;
            const lines = output.split('\n');
            output = lines.pop();
            for (const line of lines) {
                const serving = line.match(/ on (http:\S+)$/);
                if (serving) resolve(serving[1]);
                else requests.push(line);
            }
        });
        server.on('exit', () => reject(new Error(`the server ended: ${output}`)));
    });
    const stop = async () => {
        if (server.exitCode === null && server.kill()) await once(server, 'exit');
    };
    return { url, requests, stop };
}

// Without the background networking, Chromium tries hosts that a closed network refuses.
export const launchBrowser = () =>
    puppeteer.launch({
        executablePath: '/usr/bin/chromium',
        headless: true,
        args: [
            '--no-sandbox',
            '--disable-gpu',
            '--disable-quic',
            '--no-first-run',
            '--disable-background-networking',
            '--disable-component-update',
            '--disable-sync',
        ],
    });

// A page at `url`, once the module has answered. A script error or a request to another host
// fails the test.
export async function openPage(browser, url, viewport = { width: 360, height: 640 }) {
    const page = await browser.newPage();
    page.on('pageerror', (error) => {
        throw error;
    });
    page.on('request', (request) => {
        assert.equal(new URL(request.url()).host, new URL(url).host, request.url());
    });
    await page.setViewport(viewport);
    await page.goto(url);
    await page.waitForSelector('#generate:enabled');
    return page;
}

// The site served and a browser started before a file's tests, both ended after them.
export function useSite() {
    const site = {
        url: (address = '') => `${site.server.url}${address}`,
        open: (address, viewport) => openPage(site.browser, site.url(address), viewport),
    };
    before(async () => {
        site.server = await serveSite();
        site.browser = await launchBrowser();
    });
    after(async () => {
        await site.browser?.close();
        await site.server?.stop();
    });
    return site;
}

export const readView = (page) =>
    page.evaluate(() => ({
        number: document.getElementById('case-number').textContent,
        rows: [...document.querySelectorAll('#rows li')].map((row) => [
            row.querySelector('.name').textContent,
            row.querySelector('.hint').textContent,
        ]),
        culprit: document.getElementById('culprit').textContent,
        place: document.getElementById('place').textContent,
        toggle: document.getElementById('toggle').textContent,
    }));

// Waits until the page shows `text` as its case number ("Fall-Nr. S", or "" for none).
export const waitForCaseNumber = (page, text) =>
    page.waitForFunction((t) => document.getElementById('case-number').textContent === t, {}, text);

// Case number S through the address, as a link or a typed address gives it.
export async function showNumber(page, number) {
    await page.evaluate((n) => {
        location.hash = `fall=${n}`;
    }, number);
    await waitForCaseNumber(page, `Fall-Nr. ${number}`);
}

// `text` pasted into the focused element, as from the clipboard.
export const paste = (page, text) =>
    page.evaluate((pasted) => {
        const data = new DataTransfer();
        data.setData('text/plain', pasted);
        const event = new ClipboardEvent('paste', { clipboardData: data, cancelable: true });
        document.activeElement.dispatchEvent(event);
    }, text);
