// SPDX-License-Identifier: GPL-3.0-or-later
// Put before the test programs built for the browser, which run under node: they see node's
// environment as a program sees its own (GTEST_FILTER, TMPDIR), not Emscripten's made-up one.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
    Object.assign(ENV, process.env);
});
