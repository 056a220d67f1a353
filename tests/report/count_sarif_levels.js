// Prints how many results of each level a SARIF Multitool validation log holds, with the
// errors themselves; exits with status 1 when there is any error.
//   node count_sarif_levels.js VALIDATION.sarif
const fs = require("fs");
const log = JSON.parse(fs.readFileSync(process.argv[2], "utf8"));
const counts = { error: 0, warning: 0, note: 0 };
for (const run of log.runs) {
  for (const result of run.results || []) {
    const level = result.level || "warning";
    counts[level] = (counts[level] || 0) + 1;
    if (level === "error") console.log(`error ${result.ruleId}: ${JSON.stringify(result.message)}`);
  }
  for (const invocation of run.invocations || []) {
    for (const note of invocation.toolExecutionNotifications || []) {
      if (note.level === "error") {
        counts.error += 1;
        console.log(`tool error: ${note.message.text}`);
      }
    }
  }
}
console.log(`${process.argv[2]}: ${counts.error} errors, ${counts.warning} warnings, ${counts.note} notes`);
process.exit(counts.error === 0 ? 0 : 1);
