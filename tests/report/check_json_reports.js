// Checks that a codeclimate and a sarif report parse as JSON and hold one issue or result per
// defect, in order, on the defect's file and line. The expected defects are FILE<tab>LINE
// lines; a file name that is not UTF-8 is compared only where the report can say it. The sarif
// report lists RULE_COUNT rules, as many as quarvel's banner says it has.
//   node check_json_reports.js EXPECTED.tsv CODECLIMATE.json REPORT.sarif RULE_COUNT
const fs = require("fs");
const [expectedFile, codeClimateFile, sarifFile, ruleCountText] = process.argv.slice(2);
const ruleCount = Number(ruleCountText);

const expected = [];
const raw = fs.readFileSync(expectedFile);
let start = 0;
for (let at = 0; at < raw.length; ++at) {
  if (raw[at] !== 0x0a) continue;
  const line = raw.subarray(start, at);
  const tab = line.lastIndexOf(0x09);
  expected.push({ name: line.subarray(0, tab), line: Number(line.subarray(tab + 1).toString()) });
  start = at + 1;
}

let problems = 0;
const problem = (text) => {
  if (problems++ < 20) console.log(text);
};
const isUtf8 = (bytes) => Buffer.from(bytes.toString("utf8"), "utf8").equals(bytes);
const sameName = (name, bytes) => !isUtf8(bytes) || Buffer.from(name, "utf8").equals(bytes);

const issues = JSON.parse(fs.readFileSync(codeClimateFile, "utf8"));
if (!Array.isArray(issues) || issues.length !== expected.length)
  problem(`codeclimate: ${issues.length} issues for ${expected.length} defects`);
const fingerprints = new Set();
issues.forEach((issue, i) => {
  for (const field of ["description", "check_name", "fingerprint", "severity"])
    if (typeof issue[field] !== "string" || issue[field] === "") problem(`codeclimate ${i}: no ${field}`);
  if (!/^[0-9a-f]{32}$/.test(issue.fingerprint) || fingerprints.has(issue.fingerprint))
    problem(`codeclimate ${i}: fingerprint ${issue.fingerprint} is not new`);
  fingerprints.add(issue.fingerprint);
  const want = expected[i] || { name: Buffer.alloc(0), line: -1 };
  if (issue.location.lines.begin !== want.line || !sameName(issue.location.path, want.name))
    problem(`codeclimate ${i}: ${issue.location.path}:${issue.location.lines.begin}, expected ${want.name}:${want.line}`);
});

const sarif = JSON.parse(fs.readFileSync(sarifFile, "utf8"));
const run = sarif.runs[0];
if (sarif.version !== "2.1.0" || run.tool.driver.rules.length !== ruleCount)
  problem(`sarif: not 2.1.0 with ${ruleCount} rules`);
if (run.results.length !== expected.length)
  problem(`sarif: ${run.results.length} results for ${expected.length} defects`);
run.results.forEach((result, i) => {
  const location = result.locations[0].physicalLocation;
  const want = expected[i] || { name: Buffer.alloc(0), line: -1 };
  if (run.tool.driver.rules[result.ruleIndex].id !== result.ruleId) problem(`sarif ${i}: rule index`);
  if (location.region.startLine !== want.line) problem(`sarif ${i}: line ${location.region.startLine}`);
  // A relative reference decodes to the name itself (with '/' for a Windows run's '\').
  const uri = location.artifactLocation.uri;
  if (location.artifactLocation.uriBaseId) {
    const decoded = Buffer.from(unescape(uri), "latin1");
    if (!decoded.equals(want.name) && !decoded.equals(Buffer.from(want.name.toString("latin1").replace(/\\/g, "/"), "latin1")))
      problem(`sarif ${i}: ${uri} is not ${want.name}`);
  }
});
process.exit(problems === 0 ? 0 : 1);
