// The shipped search pages in headless Chromium, opened from file:// as
// "Show The Search" opens them, over an engine made by sitevane-cli.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { join } from "node:path";
import { launch, makeEngine, open } from "./harness.mjs";

const database = {
  categories: ["Guides", "News"],
  links: [
    { category: 1, caption: "Harbour news", url: "news/harbour.html", description: "Latest results", keywords: ["regatta", "news"] },
    { category: 0, caption: "Sailing basics", url: "guides\\basics.html", description: "How to rig a dinghy; regatta rules come later", keywords: ["dinghy"] },
    { category: 0, caption: "Regatta guide", url: "guides/regatta-guide.html", description: "Everything", keywords: ["racing"] },
    { category: 1, caption: "<img src=x onerror=alert(1)>", url: "xss.html", description: "<b>bold?</b>", keywords: ["xss"] },
    { category: 0, caption: "Evil link", url: "javascript:alert(2)", description: "", keywords: ["evil"] },
    { category: 1, caption: "Café menu", url: "cafe.html", description: "Crêpes and tea", keywords: ["food", "dont_update"] },
  ],
};

let browser;
before(async () => {
  browser = await launch();
});
after(async () => {
  await browser?.close();
});

// Types the query key by key, as a visitor does, and reads the results drawn.
async function search(page, text) {
  await page.fill(".svx-query", "");
  await page.locator(".svx-query").pressSequentially(text);
  // The search box's container names the query its results belong to.
  await page.waitForFunction((wanted) => document.getElementById("svx-search").dataset.query === wanted, text);
  return page.$$eval(".svx-result", (items) =>
    items.map((item) => ({
      caption: item.firstElementChild.textContent,
      href: item.firstElementChild.getAttribute("href"),
      marks: Array.from(item.querySelectorAll("mark"), (mark) => mark.textContent),
    })),
  );
}

const pages = [
  ["Standard template kept as svxdb.js, through search.html", "Standard", "svxdb.js", "search.html"],
  ["Standard template as its own HTML page", "Standard", "find.html", "find.html"],
  ["Script template, through search.html", "Script", "svxdb.js", "search.html"],
];

for (const [name, template, engine, shown] of pages) {
  test(name, async () => {
    const folder = makeEngine(template, engine, database);
    const { page, problems } = await open(browser, join(folder, shown));

    const regatta = await search(page, "regatta");
    assert.deepEqual(
      regatta.map((result) => result.caption),
      ["Harbour news", "Regatta guide", "Sailing basics"],
      "keyword and caption hits rank above description hits",
    );
    assert.equal(await page.textContent(".svx-count"), "3 results");
    assert.ok(regatta[1].marks.includes("Regatta"));
    assert.equal(regatta[0].href, `file://${folder}/news/harbour.html`);
    assert.equal(regatta[2].href, `file://${folder}/guides/basics.html`);

    await page.selectOption(".svx-category", { label: "Guides" });
    const guides = await search(page, "regatta");
    assert.deepEqual(guides.map((result) => result.caption), ["Regatta guide", "Sailing basics"]);
    await page.selectOption(".svx-category", { label: "All categories" });

    const xss = await search(page, "xss");
    assert.equal(xss[0].caption, "<img src=x onerror=alert(1)>");
    assert.equal(await page.$$eval(".svx-results img, .svx-results b", (nodes) => nodes.length), 0);

    const evil = await search(page, "evil");
    assert.equal(evil.length, 1);
    assert.equal(evil[0].href, null, "a javascript: address is not made a link");

    const cafe = await search(page, "cafe crepes");
    assert.deepEqual(cafe.map((result) => result.caption), ["Café menu"]);

    const none = await search(page, "zebra");
    assert.equal(none.length, 0);
    assert.equal(await page.textContent(".svx-count"), "No results for \u201czebra\u201d");

    await search(page, "regatta");
    await page.focus(".svx-query");
    await page.keyboard.press("ArrowDown");
    assert.equal(await page.evaluate(() => document.activeElement.textContent), "Harbour news");
    await page.keyboard.press("ArrowDown");
    assert.equal(await page.evaluate(() => document.activeElement.textContent), "Regatta guide");
    await page.keyboard.press("Escape");
    assert.equal(await page.evaluate(() => document.activeElement.className), "svx-query");

    await page.setViewportSize({ width: 360, height: 640 });
    const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
    assert.ok(overflow <= 0, `no sideways scrolling on a phone (${overflow}px)`);

    assert.deepEqual(problems, []);
    await page.close();
  });
}

test("a query in the address opens the page with its results", async () => {
  const folder = makeEngine("Standard", "find.html", database);
  const { page, problems } = await open(browser, join(folder, "find.html") + "?q=dinghy");
  await page.waitForSelector(".svx-result");
  assert.equal(await page.textContent(".svx-result a"), "Sailing basics");
  assert.deepEqual(problems, []);
  await page.close();
});

test("texts that look like the page's script or its database stay text", async () => {
  const hostile = {
    categories: ["", "Tips"],
    links: [
      { category: 1, caption: "C++ tips", url: "c++/tips+tricks.html", description: "//DatabaseEnd and <!-- more", keywords: ["cpp"] },
      { category: 0, caption: "JavaScript arrays: var cg=new Array('Casino','Pills'", url: "js.html", description: "<\n/script><script>alert(3)</script>", keywords: ["arrays"] },
    ],
  };
  for (const [template, engine, shown] of [["Standard", "find.html", "find.html"], ["Script", "svxdb.js", "search.html"]]) {
    const folder = makeEngine(template, engine, hostile);
    const { page, problems } = await open(browser, join(folder, shown));
    const tips = await search(page, "cpp");
    assert.deepEqual(tips.map((result) => result.caption), ["C++ tips"]);
    assert.equal(tips[0].href, `file://${folder}/c++/tips+tricks.html`);
    const arrays = await search(page, "arrays");
    assert.equal(arrays[0].caption, hostile.links[1].caption);
    assert.deepEqual(
      await page.$$eval(".svx-category option", (options) => options.map((option) => option.textContent)),
      ["All categories", "", "Tips"],
    );
    assert.deepEqual(problems, []);
    await page.close();
  }
});
