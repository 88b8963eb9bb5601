// The browser's print, as pdftotext reads the PDF back: one page of eight witness cards, each with
// its case, and the solution only while it is shown, on a card of its own; before any case a note
// instead of empty cards.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { readView, showNumber, useSite } from './support.mjs';

const site = useSite();

async function printed(page) {
    const folder = mkdtempSync(join(tmpdir(), 'schattwerk-print-'));
    try {
        const file = join(folder, 'print.pdf');
        writeFileSync(file, await page.pdf({ format: 'A4' }));
        const run = (tool, ...args) => execFileSync(tool, args, { encoding: 'utf8' });
        const pages = Number(run('pdfinfo', file).match(/^Pages:\s+(\d+)/m)[1]);
        return { pages, text: run('pdftotext', '-layout', file, '-') };
    } finally {
        rmSync(folder, { recursive: true });
    }
}

test('one page: eight cards with their case, and the solution card only when shown', async () => {
    const page = await site.open();
    const before = await printed(page);
    assert.equal(before.pages, 1);
    assert.match(before.text, /Noch kein Fall zum Drucken/);
    assert.ok(!/^\s*-\s*$/m.test(before.text) && !before.text.includes('Täter:'), before.text);

    await showNumber(page, 31337);
    await page.click('#toggle');
    const { place } = await readView(page);
    await page.click('#toggle');
    for (const shown of [false, true]) {
        if (shown) await page.click('#toggle');
        const view = await readView(page);
        const { pages, text } = await printed(page);
        assert.equal(pages, 1);
        assert.equal(text.match(/Fall 31337\b/g)?.length, shown ? 9 : 8, text);
        for (const [name, hint] of view.rows) {
            assert.match(text, new RegExp(`${name}[\\s\\S]*\\b${hint}\\b`), `${name} ${hint}`);
        }
        assert.equal(text.includes('Täter:'), shown, text);
        assert.equal(text.includes(place), shown, text);
        assert.ok(!/Generieren|\?\?\?|Noch kein Fall/.test(text), text);
    }
});
