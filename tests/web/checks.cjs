// Counting a Node.js test's checks, as tests/lib.sh does the shell drivers':
// a FAIL or SKIPPED line for each check that fails or is not made, and the
// closing line the test runners read.
//
//   const {expect, skip, finish} = require('./checks.cjs')(PREFIX);
'use strict';
module.exports = function (prefix) {
  let passed = 0;
  let failed = 0;
  return {
    expect(name, condition, detail) {
      if (condition) {
        passed++;
      } else {
        failed++;
        console.log(`FAIL ${prefix}${name}${detail === undefined ? '' : ': ' + JSON.stringify(detail)}`);
      }
    },
    skip: (name, reason) => console.log(`SKIPPED ${prefix}${name}: ${reason}`),
    // Ends the test: the failure that stopped it, if any, counted as one.
    finish(failure) {
      if (failure) {
        console.log(`FAIL ${prefix}${failure.stack || failure}`);
        failed++;
      }
      console.log(`${passed} passed, ${failed} failed`);
      process.exit(failed === 0 ? 0 : 1);
    },
  };
};
