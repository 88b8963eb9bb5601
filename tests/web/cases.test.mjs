// The page's cases are the command line's: case number S shows the first case of
// `schattwerk generate --seed S`, a reload shows it again, and Back and Forward bring each history
// entry back as it was, solution and form included. An address names its case in one spelling,
// gives the page its title, and one that names no case says so.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { test } from 'node:test';
import { cli, readView, showNumber, useSite, waitForCaseNumber } from './support.mjs';

const site = useSite();

// 200 different numbers over the whole range, both ends included.
const numbers = Array.from({ length: 200 }, (_, i) =>
    i === 199 ? 2147483647 : (i * 1073741827) % 2147483648,
);

test('case number S shows the case of `schattwerk generate --seed S --solution`', async () => {
    const page = await site.open();
    for (const number of numbers) {
        const arguments_ = ['generate', '--seed', `${number}`, '--solution', '--json'];
        const expected = JSON.parse(execFileSync(cli, arguments_));
        await showNumber(page, number);
        const hidden = await readView(page);
        const rows = expected.rows.map((row) => [row.name, `${row.hint}`]);
        assert.deepEqual(hidden.rows, rows, `${number}`);
        assert.deepEqual([hidden.culprit, hidden.place, hidden.toggle], ['???', '???', 'Anzeigen']);
        await page.click('#toggle');
        const shown = await readView(page);
        const solution = [expected.culprit, expected.place];
        assert.deepEqual([shown.culprit, shown.place], solution, `${number}`);
    }
});

const formOpen = (page, open) =>
    page.waitForFunction((wanted) => document.getElementById('entry').open === wanted, {}, open);
const typedFirst = (page) => page.$eval('#hint-1', (field) => field.value);

test('reload shows the case again; Back and Forward bring each entry back as it was', async () => {
    const page = await site.open('#fall=0001234567');
    assert.ok(page.url().endsWith('#fall=1234567'), page.url());
    assert.equal(await page.title(), 'Fall 1234567 – Dornak-Schattwerk-Generator');
    const first = await readView(page);
    await page.click('#toggle');
    await page.reload();
    await page.waitForSelector('#generate:enabled');
    assert.deepEqual(await readView(page), first);
    await page.click('#toggle');
    const firstSolved = await readView(page);

    await page.click('#generate');
    const drawn = await readView(page);
    assert.notEqual(drawn.number, first.number);
    assert.ok(page.url().endsWith(drawn.number.replace('Fall-Nr. ', '#fall=')), page.url());
    await page.click('#generate');
    const last = await readView(page);

    // The form open with a number typed, as a phone that discarded the tab brings it back.
    await page.click('#decode');
    await page.keyboard.type('7');
    await page.reload();
    await page.waitForSelector('#generate:enabled');
    await formOpen(page, true);
    assert.equal(await typedFirst(page), '7');
    await page.goBack();
    await formOpen(page, false);
    assert.deepEqual(await readView(page), last);
    await page.goForward();
    await formOpen(page, true);
    assert.equal(await typedFirst(page), '7');
    await page.goBack();
    await formOpen(page, false);

    await page.goBack();
    await waitForCaseNumber(page, drawn.number);
    assert.deepEqual(await readView(page), drawn);
    await page.goBack();
    await waitForCaseNumber(page, first.number);
    assert.deepEqual(await readView(page), firstSolved);
    await page.goForward();
    await waitForCaseNumber(page, drawn.number);
    assert.deepEqual(await readView(page), drawn);
});

test('an address that names no case says so, over a case, and the page stays usable', async () => {
    const range =
        'Die Adresse enthält keine gültige Fall-Nr.; erlaubt sind ganze Zahlen von 0 bis ' +
        '2147483647.';
    const addresses = [
        ...['-1', '2147483648', '5abc', '1e3', ''].map((number) => [`fall=${number}`, range]),
        [
            'hinweise=74-34-55',
            'Die Adresse enthält keine acht Hinweisnummern; erwartet werden acht Zahlen mit „-“ ' +
                'dazwischen, etwa #hinweise=74-34-55-22-86-60-47-21.',
        ],
        [
            'hinweise=74-34-12-22-86-60-47-21',
            'Die Hinweisnummern der Adresse ergeben keinen Fall. FEHLER 100: 12 ist keine ' +
                'gültige Hinweisnummer für Fräulein Livana.',
        ],
        [
            'Fall=42',
            'Die Adresse nennt keinen Fall; erwartet wird #fall= mit einer Fall-Nr. oder ' +
                '#hinweise= mit acht Hinweisnummern.',
        ],
    ];
    const page = await site.open();
    for (const [address, message] of addresses) {
        await showNumber(page, 42);
        await page.evaluate((fragment) => {
            location.hash = fragment;
        }, address);
        await waitForCaseNumber(page, '');
        const said = await page.$eval('#message', (message) => [
            message.firstChild.textContent,
            new URL(message.querySelector('a').href).hash,
        ]);
        assert.deepEqual(said, [message, '#l_adresse'], address);
        assert.equal(await page.title(), 'Dornak-Schattwerk-Generator');
    }
    await page.click('#generate');
    assert.match((await readView(page)).number, /^Fall-Nr. \d+$/);
    assert.equal(await page.$eval('#message', (message) => message.textContent), '');
});
