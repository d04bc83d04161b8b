// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium, headless, driven by playwright-core (which downloads no browser of its own).
import { chromium } from 'playwright-core';

// As root Chromium needs --no-sandbox; the rest keep it from reaching for the network, which this
// machine's closed one would refuse again and again.
export const kChromiumFlags = [
    '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

export function launchChromium() {
    return chromium.launch({
        executablePath: process.env.COPPIA_CHROMIUM ?? '/usr/bin/chromium',
        args: kChromiumFlags,
    });
}

// The page is ready once the core has loaded and the window has been shown.
export async function openPage(context, url) {
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    await page.goto(url);
    await page.waitForSelector('body.ready', { timeout: 15000 });
    return { page, errors };
}
