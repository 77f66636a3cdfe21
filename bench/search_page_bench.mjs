// The search page's query time over 10,000 links in headless Chromium, beside a
// plain substring scan of the same ln array in the same page.
//
//   node bench/search_page_bench.mjs      (after scripts/test.sh has run npm ci)
import { join } from "node:path";
import { launch, makeEngine, open } from "../tests/browser/harness.mjs";

const words = ["harbour", "sailing", "regatta", "dinghy", "results", "club", "weather", "lessons",
  "members", "season", "boat", "crew", "café", "rigging", "mooring", "tide", "chart", "racing"];
let seed = 7;
const pick = () => words[(seed = (seed * 1103515245 + 12345) % 2147483648) % words.length];
const text = (count) => Array.from({ length: count }, pick).join(" ");

const database = {
  categories: ["Guides", "News", "Club", "Racing"],
  links: Array.from({ length: 10000 }, (_, i) => ({
    category: i % 4,
    caption: text(5),
    url: `docs/section${i % 40}/page${i}.html`,
    description: text(20),
    keywords: Array.from({ length: 12 }, pick),
  })),
};

const folder = makeEngine("Standard", "find.html", database);
const browser = await launch();
const { page, problems } = await open(browser, join(folder, "find.html"));
await page.waitForFunction(() => window.Sitevane !== undefined);

const queries = ["regatta", "sail", "dinghy results", "cafe", "tide chart racing", "zzz", "m"];
const timing = await page.evaluate((list) => {
  const runs = 30;
  const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
  const measure = (work) => {
    const times = [];
    for (let r = 0; r < runs; r++) {
      const start = performance.now();
      for (const query of list) work(query);
      times.push((performance.now() - start) / list.length);
    }
    return median(times);
  };
  const plain = measure((query) => ln.filter((element) => element.toLowerCase().includes(query)).length);
  const search = measure((query) => window.Sitevane.search(query).length);
  return { plain, search };
}, queries);

// From a key press to the drawn results, through the page's own search box.
const typed = [];
for (const query of queries) {
  await page.fill(".svx-query", "");
  const start = Date.now();
  await page.fill(".svx-query", query);
  await page.waitForFunction((wanted) => document.getElementById("svx-search").dataset.query === wanted, query);
  typed.push(Date.now() - start);
}
typed.sort((a, b) => a - b);

console.log(`${database.links.length} links, ${queries.length} queries`);
console.log(`search: ${timing.search.toFixed(2)} ms a query (median of 30 runs)`);
console.log(`plain substring scan of ln: ${timing.plain.toFixed(2)} ms a query`);
console.log(`ratio (search / plain scan): ${(timing.search / timing.plain).toFixed(2)}`);
console.log(`typing to drawn results: median ${typed[Math.floor(typed.length / 2)]} ms, worst ${typed.at(-1)} ms`);
if (problems.length) console.log("page problems:", problems);
await browser.close();
