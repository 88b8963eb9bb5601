// The page's cases are the command line's: case number S shows the first case of
// `schattwerk generate --seed S`, a reload shows it again, and Back brings the case before.
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

test('a reload shows the case again, solution hidden; Back shows the case before', async () => {
    const page = await site.open('#fall=1234567');
    const first = await readView(page);
    await page.click('#toggle');
    await page.reload();
    await page.waitForSelector('#generate:enabled');
    assert.deepEqual(await readView(page), first);

    await page.click('#generate');
    const drawn = await readView(page);
    assert.notEqual(drawn.number, first.number);
    assert.ok(page.url().endsWith(drawn.number.replace('Fall-Nr. ', '#fall=')), page.url());
    await page.click('#generate');
    await page.goBack();
    await waitForCaseNumber(page, drawn.number);
    assert.deepEqual(await readView(page), drawn);
    await page.goBack();
    await waitForCaseNumber(page, first.number);
});
