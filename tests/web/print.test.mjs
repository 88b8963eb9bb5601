// The browser's print: one page with the case number and the eight witness cards, and the
// solution only while it is shown, as pdftotext reads the PDF back.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { readView, useSite } from './support.mjs';

const site = useSite();

function readBack(pdf) {
    const folder = mkdtempSync(join(tmpdir(), 'schattwerk-print-'));
    try {
        const file = join(folder, 'print.pdf');
        writeFileSync(file, pdf);
        const run = (tool, ...args) => execFileSync(tool, args, { encoding: 'utf8' });
        const pages = Number(run('pdfinfo', file).match(/^Pages:\s+(\d+)/m)[1]);
        return { pages, text: run('pdftotext', '-layout', file, '-') };
    } finally {
        rmSync(folder, { recursive: true });
    }
}

test('one page: the case number, eight cards, and the solution only when shown', async () => {
    const page = await site.open('#fall=31337');
    await page.click('#toggle');
    const { place } = await readView(page);
    await page.click('#toggle');
    for (const shown of [false, true]) {
        if (shown) await page.click('#toggle');
        const view = await readView(page);
        const { pages, text } = readBack(await page.pdf({ format: 'A4' }));
        assert.equal(pages, 1);
        assert.ok(text.includes('Fall-Nr. 31337'), text);
        for (const [name, hint] of view.rows) {
            assert.match(text, new RegExp(`${name}[\\s\\S]*\\b${hint}\\b`), `${name} ${hint}`);
        }
        assert.equal(text.includes('Täter:'), shown, text);
        assert.equal(text.includes(place), shown, text);
        assert.ok(!text.includes('Generieren') && !text.includes('???'), text);
    }
});
