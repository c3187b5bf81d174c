// Counts a Node.js test's checks as tests/lib.sh counts the shell drivers':
// a line for each that fails or is skipped, and the closing line runners read.
'use strict';
module.exports = (prefix) => {
  const count = {passed: 0, failed: 0, skipped: 0};
  const expect = (name, condition, detail) => {
    count[condition ? 'passed' : 'failed']++;
    if (!condition) console.log(`FAIL ${prefix}${name}${detail === undefined ? '' : ': ' + JSON.stringify(detail)}`);
  };
  return {
    expect,
    skip(name, reason) {
      count.skipped++;
      console.log(`SKIPPED ${prefix}${name}: ${reason}`);
    },
    finish(failure) { // the failure that stopped the test, if any, is one more
      if (failure) expect(failure.stack || String(failure), false);
      const skipped = count.skipped ? `, ${count.skipped} skipped` : '';
      console.log(`${count.passed} passed, ${count.failed} failed${skipped}`);
      process.exit(count.failed === 0 ? 0 : 1);
    },
  };
};
