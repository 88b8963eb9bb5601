// From 320 px wide to a desktop nothing scrolls sideways and every control is a touch target of at
// least 44 × 44 CSS px, with a case and its solution shown and with a refusal in the entry form.
// The screenshots at 360 × 640 and 1280 × 800 are the README's, docs/screenshots/web-*.png.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { repo, useSite } from './support.mjs';

const site = useSite();

const measure = (page) =>
    page.evaluate(() => ({
        sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth,
        small: [...document.querySelectorAll('button, input, a')]
            .filter((control) => control.checkVisibility())
            .map((control) => [control.id || control.textContent, control.getBoundingClientRect()])
            .filter(([, box]) => box.width < 44 || box.height < 44)
            .map(([name, box]) => `${name} ${box.width}×${box.height}`),
    }));

for (const [width, height, screenshot] of [[320, 568], [360, 640, true], [1280, 800, true]]) {
    test(`${width} × ${height}: no sideways scrolling, touch targets of 44 px`, async () => {
        const page = await site.open('#fall=2024', { width, height });
        await page.click('#toggle');
        assert.deepEqual(await measure(page), { sideways: 0, small: [] }, 'case with solution');
        if (screenshot) {
            await page.screenshot({ path: `${repo}docs/screenshots/web-${width}x${height}.png` });
        }
        await page.click('#decode');
        await page.keyboard.press('Enter');
        await page.waitForSelector('#entry-error a');
        assert.deepEqual(await measure(page), { sideways: 0, small: [] }, 'form with a refusal');
    });
}
