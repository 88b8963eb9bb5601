// "Entschlüsseln" by keyboard alone: each refusal shows its message with a working help link, keeps
// what was typed and puts the cursor in the field to correct; the worked example then solves.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { readView, useSite } from './support.mjs';

const site = useSite();

async function tabTo(page, id) {
    for (let presses = 0; presses < 20; presses += 1) {
        if (await page.evaluate((wanted) => document.activeElement?.id === wanted, id)) return;
        await page.keyboard.press('Tab');
    }
    assert.fail(`Tab never reaches #${id}`);
}

// Types the eight fields from the first, as they come after opening the form, and confirms.
async function typeHints(page, hints) {
    for (const [index, hint] of hints.entries()) {
        await tabTo(page, `hint-${index + 1}`);
        await page.keyboard.type(hint);
    }
    await page.keyboard.press('Enter');
}

const fieldState = (page) =>
    page.evaluate(() => ({
        values: [...document.querySelectorAll('#entry input')].map((field) => field.value),
        focused: document.activeElement.id,
        error: document.getElementById('entry-error').firstChild?.textContent.trim(),
        help: document.querySelector('#entry-error a')?.href,
    }));

// The help page that a link names holds its anchor.
const anchorExists = (page, href) =>
    page.evaluate(async (link) => {
        const html = await (await fetch(link)).text();
        return html.includes(`id="${new URL(link).hash.slice(1)}"`);
    }, href);

test('refusals keep the input and focus the field at fault; the example solves', async () => {
    const page = await site.open();
    await tabTo(page, 'decode');
    await page.keyboard.press('Enter');
    const refusals = [
        ['74 34 12 22 86 60 47 21', 'hint-3', 'l_e100',
            'FEHLER 100: 12 ist keine gültige Hinweisnummer für Fräulein Livana.'],
        ['74 34 55 22 86 60 47 45', 'hint-1', 'l_e101',
            'FEHLER 101: Diese Hinweisnummern ergeben keinen gültigen Fall.'],
        ['74 34 55 22 x 60 47 21', 'hint-5', 'l_ganzzahl', 'Geben Sie bitte eine ganze Zahl ein.'],
    ];
    for (const [typed, focused, anchor, error] of refusals) {
        const hints = typed.split(' ');
        await typeHints(page, hints);
        const { help, ...state } = await fieldState(page);
        assert.deepEqual(state, { values: hints, focused, error });
        assert.ok(help.endsWith(`/help/ref_meldungen.html#${anchor}`), help);
        assert.ok(await anchorExists(page, help), help);
    }

    const hints = '74 34 55 22 86 60 47 21'.split(' ');
    await typeHints(page, hints);
    const view = await readView(page);
    assert.deepEqual(view.rows.map(([, hint]) => hint), hints);
    const solution = [view.culprit, view.place, view.toggle, view.number];
    assert.deepEqual(solution, ['Frau Sorrak', 'Kirmes', 'Verstecken', '']);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'decode');
});
