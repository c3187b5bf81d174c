// The page's own scripts and styles use nothing that the oldest browsers it
// is for lack, unless a fallback stands beside it (a disable comment says
// which): ESLint with eslint-plugin-compat, and a rule of our own on MDN's
// compatibility data for members of objects whose type ESLint cannot know
// (transcript.replaceChildren()), on the scripts; stylelint on the caniuse
// data (stylelint-no-unsupported-browser-features) on the styles. Then the
// same checks must fail on copies with replaceChildren() and clamp() put
// back unguarded, so that they cannot pass by checking nothing.
//
//   node compat.cjs SOURCE-DIR BUILD-DIR
'use strict';
process.noDeprecation = true; // stylelint's CommonJS interface, which it means to drop
const fs = require('fs');
const path = require('path');
const bcd = require('@mdn/browser-compat-data');
const browserslist = require('browserslist');
const compat = require('eslint-plugin-compat');
const {ESLint} = require('eslint');
const stylelint = require('stylelint');
const {expect, finish} = require('./checks.cjs')('');

const browsers = ['safari 12', 'ios_saf 12', 'chrome 70', 'edge 79', 'firefox 68', 'samsung 10.1'];
const [source, build] = process.argv.slice(2);

// browserslist's names and versions as MDN's data has them.
const mdnNames = {chrome: 'chrome', edge: 'edge', firefox: 'firefox', safari: 'safari', ios_saf: 'safari_ios',
  samsung: 'samsunginternet_android'};
const targets = browserslist(browsers).map((target) => {
  const [name, version] = target.split(' ');
  return [mdnNames[name], parseFloat(version)];
});
const release = (version) =>
  version === true ? 0 : typeof version === 'string' ? parseFloat(version.replace('≤', '')) || Infinity : Infinity;
function supported(support, [browser, version]) {
  const statements = [].concat(support[browser] || []);
  return statements.some((s) => !s.flags && !s.prefix && !s.alternative_name && release(s.version_added) <= version &&
    !(s.version_removed && release(s.version_removed) <= version));
}
// Every interface and built-in object that has a member of a name.
const owners = new Map();
for (const tree of [bcd.api, bcd.javascript.builtins]) {
  for (const [owner, members] of Object.entries(tree)) {
    for (const [member, data] of Object.entries(members)) {
      if (member === '__compat' || !data.__compat) continue;
      if (!owners.has(member)) owners.set(member, []);
      owners.get(member).push([owner, data.__compat.support]);
    }
  }
}
// A member of a name that MDN knows only on interfaces some target lacks.
const members = {
  meta: {type: 'problem', schema: []},
  create(context) {
    return {
      MemberExpression(node) {
        if (node.computed || node.property.type !== 'Identifier' || !owners.has(node.property.name)) return;
        const known = owners.get(node.property.name);
        if (known.some(([, support]) => targets.every((target) => supported(support, target)))) return;
        const [owner, support] = known[0];
        const missing = targets.filter((target) => !supported(support, target)).map((t) => t.join(' '));
        context.report({node, message: `${owner}.${node.property.name} is not in ${missing.join(', ')}`});
      },
    };
  },
};

const eslint = new ESLint({
  cwd: path.join(source, 'src/web'),
  overrideConfigFile: true,
  overrideConfig: [{
    languageOptions: {ecmaVersion: 2018, sourceType: 'script'},
    linterOptions: {reportUnusedDisableDirectives: 'error'},
    plugins: {compat, 'times-table': {rules: {members}}},
    settings: {browsers},
    rules: {'compat/compat': 'error', 'times-table/members': 'error'},
  }],
});
async function scriptProblems(code, file) {
  const [result] = await eslint.lintText(code, {filePath: path.join(source, 'src/web', file)});
  return result.messages.map((m) => `${file}:${m.line}: ${m.message}`);
}

async function styleProblems(css) {
  const {results} = await stylelint.lint({
    code: css,
    config: {
      plugins: ['stylelint-no-unsupported-browser-features'],
      rules: {'plugin/no-unsupported-browser-features': [true, {browsers, ignorePartialSupport: true}]},
    },
    reportNeedlessDisables: true,
    reportDescriptionlessDisables: true,
  });
  return results.flatMap((r) => [...r.warnings, ...(r.needlessDisables || []).flatMap((d) => d.warnings)])
    .map((w) => `page.html.in (style):${w.line}: ${w.text}`);
}

async function main() {
  const script = fs.readFileSync(path.join(source, 'src/web/page.js'), 'utf8');
  const worker = fs.readFileSync(path.join(build, 'site/service-worker.js'), 'utf8');
  const html = fs.readFileSync(path.join(source, 'src/web/page.html.in'), 'utf8');
  const style = html.slice(html.indexOf('<style>') + 7, html.indexOf('</style>'));
  // The style's line numbers as the page's.
  const padded = '\n'.repeat(html.slice(0, html.indexOf('<style>')).split('\n').length - 1) + style;
  const check = (name, problems, wanted) => expect(name, problems.length > 0 === wanted, problems);
  check('the page script uses only what its oldest browsers have', await scriptProblems(script, 'page.js'), false);
  check('the service worker uses only what its oldest browsers have',
    await scriptProblems(worker, 'service-worker.js'), false);
  check('the style uses only what its oldest browsers have, or has a fallback', await styleProblems(padded), false);
  check('replaceChildren() put back is found', await scriptProblems(script.replace("transcript.textContent = '';",
    'transcript.replaceChildren();'), 'page.js'), true);
  check('optional chaining put in is found', await scriptProblems(script + '\nwindow?.x;\n', 'page.js'), true);
  check('an unguarded clamp() is found', await styleProblems(style + '\nmain { font: clamp(16px, 4vw, 20px) / 1.5 monospace; }\n'), true);
}

main().then(() => finish(), finish);
