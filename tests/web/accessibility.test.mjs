// axe-core finds nothing against WCAG 2.1 A and AA (contrast included) in any state of the page,
// in the light and the dark scheme: empty, case shown, solution shown, entry form, refusal, and an
// address that names no case.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { test } from 'node:test';
import { useSite } from './support.mjs';

const axeScript = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
const states = [
    ['empty', async () => {}],
    ['case shown', (page) => page.click('#generate')],
    ['solution shown', (page) => page.click('#toggle')],
    ['form', (page) => page.click('#decode')],
    ['refusal', (page) => page.click('#entry button[type=submit]')],
    [
        'address refused',
        async (page) => {
            await page.click('#entry-cancel');
            await page.evaluate(() => {
                location.hash = 'fall=x';
            });
            await page.waitForSelector('#message a');
        },
    ],
];

const site = useSite();

for (const scheme of ['light', 'dark']) {
    test(`no violations in any state, ${scheme} scheme`, async () => {
        const page = await site.browser.newPage();
        await page.setBypassCSP(true); // for axe's own script, which the page's policy keeps out
        await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
        await page.goto(site.url());
        await page.waitForSelector('#generate:enabled');
        await page.addScriptTag({ path: axeScript });
        for (const [state, reach] of states) {
            await reach(page);
            const violations = await page.evaluate(async () => {
                const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'];
                const result = await axe.run({ runOnly: tags });
                return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target)}`);
            });
            assert.deepEqual(violations, [], state);
        }
    });
}
