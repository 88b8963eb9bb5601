// From 320 px wide to a desktop nothing scrolls sideways, every control is a touch target of at
// least 44 × 44 CSS px and the solution's names keep to one line, with a case and its solution
// shown; with a refusal in the entry form its buttons stay in view, also on a phone whose keyboard
// takes half the screen. The screenshots at 360 × 640 and 1280 × 800 are the README's,
// docs/screenshots/web-*.png.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { paste, repo, useSite } from './support.mjs';

const site = useSite();

const measure = (page) =>
    page.evaluate(() => {
        const lines = (element) => {
            const range = document.createRange();
            range.selectNodeContents(element);
            return new Set([...range.getClientRects()].map((box) => box.top)).size;
        };
        const visible = [...document.querySelectorAll('button, input, a')].filter((control) =>
            control.checkVisibility(),
        );
        return {
            sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth,
            small: visible
                .map((control) => [
                    control.id || control.textContent,
                    control.getBoundingClientRect(),
                ])
                .filter(([, box]) => box.width < 44 || box.height < 44)
                .map(([name, box]) => `${name} ${box.width}×${box.height}`),
            wrapped: [...document.querySelectorAll('.solution dd')]
                .filter((name) => lines(name) > 1)
                .map((name) => name.textContent),
            outOfView: [...document.querySelectorAll('#entry[open] button')]
                .filter((button) => {
                    const box = button.getBoundingClientRect();
                    return box.top < 0 || box.bottom > innerHeight;
                })
                .map((button) => button.textContent),
        };
    });
const fine = { sideways: 0, small: [], wrapped: [], outOfView: [] };

const sizes = [
    [320, 568, ''],
    [320, 360, ', a phone keyboard open'],
    [360, 640, '', 'screenshot'],
    [1280, 800, '', 'screenshot'],
];
for (const [width, height, what, screenshot] of sizes) {
    test(`${width} × ${height}${what}: the page and its form fit`, async () => {
        // The longest name among the culprits, "Baronin v. Orvath".
        const page = await site.open('#fall=3', { width, height });
        await page.click('#toggle');
        assert.deepEqual(await measure(page), fine, 'case with solution');
        if (screenshot) {
            await page.screenshot({ path: `${repo}docs/screenshots/web-${width}x${height}.png` });
        }
        await page.click('#decode');
        await paste(page, '74 0 55 22 86 60 47 21');
        await page.click('#entry button[type=submit]');
        await page.waitForSelector('#entry-error a');
        const error = await page.$eval('#entry-error', (message) => message.textContent);
        assert.match(error, /für Baronin v. Orvath/);
        assert.deepEqual(await measure(page), fine, 'form with a refusal');
    });
}
