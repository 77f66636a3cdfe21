// Runs the queries of bench/recall.py through the search page's own ranking
// (window.Sitevane.search in headless Chromium) and prints the share of queries
// whose page comes first, in the first ten, anywhere, and with no result at all.
//
//   node bench/recall_queries.mjs ENGINE-PAGE QUERIES.json
import { readFileSync } from "node:fs";
import { launch, open } from "../tests/browser/harness.mjs";

const [enginePage, queriesFile] = process.argv.slice(2);
const queries = JSON.parse(readFileSync(queriesFile, "utf8"));
if (queries.length === 0) {
  console.log("no queries");
  process.exit(0);
}
const browser = await launch();
try {
  const { page } = await open(browser, enginePage);
  const ranks = await page.evaluate(
    (queries) => queries.map(({ text, url }) => {
      const results = window.Sitevane.search(text);
      return results.length ? results.indexOf(url) : -2;
    }),
    queries,
  );
  const share = (test) => ((100 * ranks.filter(test).length) / ranks.length).toFixed(1) + "%";
  console.log(
    `${ranks.length} queries: page first ${share((r) => r === 0)}, in the first ten ${share((r) => r >= 0 && r < 10)},` +
      ` found ${share((r) => r >= 0)}, no result ${share((r) => r === -2)}`,
  );
} finally {
  await browser.close();
}
