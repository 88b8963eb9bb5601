// From 320 px wide to a desktop, with text at 200 % and on a phone whose keyboard leaves 280 px,
// nothing scrolls sideways, every control is a touch target of at least 44 × 44 CSS px, the
// solution's names keep to one line, and nothing moves when a case comes. With a refusal in the
// entry form, the field at fault is not covered and its message stands in view. With
// SCHATTWERK_SCREENSHOTS set to a folder, the screenshots at 360 × 640 and 1280 × 800 are written
// there: the README's are docs/screenshots/web-*.png.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { test } from 'node:test';

import { paste, showNumber, useSite } from './support.mjs';

const site = useSite();
const screenshots = process.env.SCHATTWERK_SCREENSHOTS;

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
        const focused = document.activeElement;
        const box = focused.getBoundingClientRect();
        const message = document.getElementById('entry-error').getBoundingClientRect();
        return {
            sideways: [document.documentElement, document.getElementById('entry')]
                .map((scrolled) => scrolled.scrollWidth - scrolled.clientWidth)
                .filter((overflow) => overflow > 0),
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
            covered:
                focused.tagName === 'INPUT' &&
                document.elementFromPoint(box.x + box.width / 2, box.y + box.height / 2) !==
                    focused,
            messageOutOfView:
                message.height > 0 && (message.top < 0 || message.bottom > innerHeight),
        };
    });
const fine = { sideways: [], small: [], wrapped: [], covered: false, messageOutOfView: false };

// Where the rows and the buttons under them stand.
const positions = (page) =>
    page.$$eval('#rows li, .commands button', (elements) =>
        elements.map((element) => JSON.stringify(element.getBoundingClientRect())),
    );

// At 200 % a phone has no room for the longest name on one line.
const fineAt = (textScale) => ({ ...fine, wrapped: textScale === 1 ? [] : ['Baronin v. Orvath'] });

const sizes = [
    [320, 568, ''],
    [360, 280, ', a phone keyboard open'],
    [360, 640, ', text at 200 %', 2],
    [360, 640, '', 1, 'screenshot'],
    [1280, 800, '', 1, 'screenshot'],
];
for (const [width, height, what, textScale = 1, screenshot] of sizes) {
    test(`${width} × ${height}${what}: the page and its form fit`, async () => {
        const page = await site.open('', { width, height });
        if (textScale !== 1) {
            const session = await page.createCDPSession();
            await session.send('Page.setFontSizes', { fontSizes: { standard: 16 * textScale } });
        }
        const before = await positions(page);
        // The longest name among the culprits, "Baronin v. Orvath".
        await showNumber(page, 3);
        if (textScale === 1) assert.deepEqual(await positions(page), before, 'a case came');
        await page.click('#toggle');
        assert.deepEqual(await measure(page), fineAt(textScale), 'case with solution');
        if (screenshot && screenshots) {
            await page.screenshot({ path: join(screenshots, `web-${width}x${height}.png`) });
        }

        // The last field refused, with the form's buttons below it.
        await page.click('#decode');
        await paste(page, '74 34 55 22 86 60 47 0');
        await page.keyboard.press('Enter');
        await page.waitForSelector('#entry-error a');
        const error = await page.$eval('#entry-error', (message) => message.textContent);
        assert.match(error, /für Kommissar Morvek/);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'hint-8');
        assert.deepEqual(await measure(page), fineAt(textScale), 'form with a refusal');
        for (const field of ['#hint-4', '#hint-7', '#hint-1']) {
            await page.focus(field);
            assert.equal((await measure(page)).covered, false, `${field} focused`);
        }
    });
}
