// The search page in headless Chromium over engines of 1,000, 10,000 and 50,000
// links, at full speed and with the CPU slowed 4x as on a mid-range phone:
// the time from navigation to a box that answers, the first query (which may
// prepare the links it needs) and later queries. The reference runs: for the
// ready time, the same page with the search script taken out (the browser's
// own work on the database); for queries, a plain substring scan of ln.
//
//   node bench/search_page_bench.mjs [sizes...]   (after scripts/test.sh has run npm ci)
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { launch, makeEngine } from "../tests/browser/harness.mjs";

const words = ["harbour", "sailing", "regatta", "dinghy", "results", "club", "weather", "lessons",
  "members", "season", "boat", "crew", "café", "rigging", "mooring", "tide", "chart", "racing"];
let seed = 7;
const pick = () => words[(seed = (seed * 1103515245 + 12345) % 2147483648) % words.length];
const text = (count) => Array.from({ length: count }, pick).join(" ");

const database = (size) => ({
  categories: ["Guides", "News", "Club", "Racing"],
  links: Array.from({ length: size }, (_, i) => ({
    category: i % 4,
    caption: text(5),
    url: `docs/section${i % 40}/page${i}.html`,
    description: text(20),
    keywords: Array.from({ length: 12 }, pick),
  })),
});

const queries = ["regatta", "sail", "dinghy results", "cafe", "tide chart racing", "zzz", "m"];
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The moment the page publishes window.Sitevane, which it does once the box answers.
const markReady = () => {
  let value;
  Object.defineProperty(window, "Sitevane", {
    configurable: true,
    get: () => value,
    set: (published) => {
      window.__sitevaneReady = performance.now();
      value = published;
    },
  });
};

// The engine page without its search script, publishing window.Sitevane
// as soon as the database is read.
function writeReference(folder) {
  const page = readFileSync(join(folder, "find.html"), "latin1");
  const end = page.indexOf("\n", page.indexOf("//DatabaseEnd")) + 1;
  writeFileSync(join(folder, "reference.html"), page.slice(0, end) + "window.Sitevane = {};\r\n" + page.slice(page.lastIndexOf("//</script>")), "latin1");
}

// Opens the page with the CPU slowed throttle times and waits until it is ready.
async function openReady(browser, file, throttle) {
  const page = await browser.newPage();
  await page.addInitScript(markReady);
  const cdp = await page.context().newCDPSession(page);
  await cdp.send("Emulation.setCPUThrottlingRate", { rate: throttle });
  await page.goto("file://" + file);
  await page.waitForFunction(() => window.__sitevaneReady !== undefined);
  return page;
}

async function readyTime(browser, file, throttle) {
  const page = await openReady(browser, file, throttle);
  const ready = await page.evaluate(() => window.__sitevaneReady);
  await page.close();
  return ready;
}

// A first query typed a moment after the page is ready, as a visitor types it.
async function firstAfterPause(browser, file, throttle) {
  const page = await openReady(browser, file, throttle);
  await page.waitForTimeout(500);
  const first = await page.evaluate((query) => {
    const start = performance.now();
    window.Sitevane.search(query);
    return performance.now() - start;
  }, queries[0]);
  await page.close();
  return first;
}

async function measure(browser, file, throttle) {
  const page = await openReady(browser, file, throttle);
  const result = await page.evaluate((list) => {
    const time = (work) => {
      const start = performance.now();
      work();
      return performance.now() - start;
    };
    const first = time(() => window.Sitevane.search(list[0]));
    const later = [];
    const plain = [];
    for (let round = 0; round < 5; round++) {
      for (const query of list) {
        later.push(time(() => window.Sitevane.search(query)));
        plain.push(time(() => ln.filter((element) => element.toLowerCase().includes(query)).length));
      }
    }
    const middle = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
    return { ready: window.__sitevaneReady, first, later: middle(later), plain: middle(plain) };
  }, queries);
  // From typing into the box to the drawn results.
  const typed = [];
  for (const query of queries) {
    await page.fill(".svx-query", "");
    const start = Date.now();
    await page.fill(".svx-query", query);
    await page.waitForFunction((wanted) => document.getElementById("svx-search").dataset.query === wanted, query);
    typed.push(Date.now() - start);
  }
  const heap = await page.evaluate(() => performance.memory?.usedJSHeapSize ?? 0);
  await page.close();
  return { ...result, typed: median(typed), heap };
}

const sizes = process.argv.slice(2).map(Number);
const browser = await launch();
console.log("links  cpu  ready ms  database only ms  first query ms  first after 0.5 s  later query ms  plain scan ms  later/plain  typed ms  heap MB");
for (const size of sizes.length ? sizes : [1000, 10000, 50000]) {
  const folder = makeEngine("Standard", "find.html", database(size));
  writeReference(folder);
  for (const throttle of [1, 4]) {
    const runs = [];
    for (let round = 0; round < 3; round++) {
      runs.push({
        ...(await measure(browser, join(folder, "find.html"), throttle)),
        reference: await readyTime(browser, join(folder, "reference.html"), throttle),
        paused: await firstAfterPause(browser, join(folder, "find.html"), throttle),
      });
    }
    const pick = (key) => median(runs.map((run) => run[key]));
    console.log(
      [String(size).padStart(5), `${throttle}x`.padStart(4), pick("ready").toFixed(0).padStart(9),
        pick("reference").toFixed(0).padStart(17),
        pick("first").toFixed(1).padStart(15), pick("paused").toFixed(1).padStart(18),
        pick("later").toFixed(2).padStart(15),
        pick("plain").toFixed(2).padStart(14), (pick("later") / pick("plain")).toFixed(2).padStart(12),
        String(pick("typed")).padStart(9), (pick("heap") / 1048576).toFixed(0).padStart(8)].join(" "),
    );
  }
}
await browser.close();
