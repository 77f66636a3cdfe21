// The shipped search pages in headless Chromium, opened from file:// as
// "Show The Search" opens them, over an engine made by sitevane-cli.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { execFileSync } from "node:child_process";
import { axeViolations, cli, launch, makeEngine, open } from "./harness.mjs";

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
      caption: item.querySelector(".svx-title").textContent,
      href: item.querySelector(".svx-title").getAttribute("href"),
      marks: Array.from(item.querySelectorAll("mark"), (mark) => mark.textContent),
    })),
  );
}

// The result the arrows have made current, while the focus stays in the box.
function current(page) {
  return page.evaluate(() => {
    const query = document.querySelector(".svx-query");
    const id = query.getAttribute("aria-activedescendant");
    return document.activeElement === query && id ? document.getElementById(id).querySelector(".svx-title").textContent : null;
  });
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

    const inside = await search(page, "sults");
    assert.deepEqual(inside.map((result) => [result.caption, result.marks]), [["Harbour news", []]], "found inside a word, marked only at word starts");

    const cafe = await search(page, "cafe crepes");
    assert.deepEqual(cafe.map((result) => result.caption), ["Café menu"]);

    const none = await search(page, "zebra");
    assert.equal(none.length, 0);
    assert.equal(await page.textContent(".svx-count"), "No results for \u201czebra\u201d");

    await search(page, "regatta");
    await page.focus(".svx-query");
    await page.keyboard.press("ArrowDown");
    assert.equal(await current(page), "Harbour news");
    await page.keyboard.press("ArrowDown");
    assert.equal(await current(page), "Regatta guide");
    assert.equal(await page.$$eval("[aria-selected=true]", (items) => items.length), 1);
    assert.deepEqual(await axeViolations(page), []);
    await page.keyboard.press("Escape");
    assert.equal(await current(page), null);

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

test("the search page includes the engine by its own name, from both templates", async () => {
  for (const template of ["Standard", "Script"]) {
    for (const engine of ["svxdb.js", "svxdb.html", "find.html"]) {
      const folder = makeEngine(template, engine, database);
      const { page, problems } = await open(browser, join(folder, "search.html"));
      const found = await search(page, "regatta");
      assert.equal(found.length, 3, `${template} ${engine}`);
      assert.equal(await page.evaluate(() => document.activeElement.className), "svx-query", "the search page puts the cursor in the box");
      assert.deepEqual(problems, [], `${template} ${engine}`);
      await page.close();
    }
  }
});

// A Script engine written by hand, so that the browser reads JavaScript's
// escapes in its elements as the characters; elements are [ln, ds, kw].
function handWrittenEngine(elements) {
  const folder = makeEngine("Script", "svxdb.js", { categories: [], links: [] });
  const engine = join(folder, "svxdb.js");
  const page = readFileSync(engine, "latin1");
  const array = (name, column) => `var ${name}=new Array(${elements.map((element) => `'${element[column]}'`).join(",")});`;
  const block = [array("ln", 0), array("ds", 1), array("kw", 2), "var cg=new Array('');"].join("\r\n");
  writeFileSync(engine, page.slice(0, page.indexOf("//DatabaseBegin")) + block + "\r\n" + page.slice(page.indexOf("//DatabaseEnd")), "latin1");
  return folder;
}

test("no spelling of a script address becomes a link", async () => {
  const urls = [" JaVaScRiPt:alert(1)", "java\\tscript:alert(2)", "java\\nscript:alert(3)", "\\x01javascript:alert(4)",
    "\\x00javascript:alert(5)", "vbscript:msgbox(6)", "data:text/html,<b>7</b>", "  javascript:alert(8)\\r\\n",
    // Last: it is a relative link, and Enter on it leaves the page.
    "javascript&#58;alert(9)"];
  const folder = handWrittenEngine(urls.map((url, i) => [`0+Bypass ${i}+${url}`, "", "bypass"]));
  const { page, problems } = await open(browser, join(folder, "search.html"));
  const found = await search(page, "bypass");
  assert.equal(found.length, urls.length);
  for (const result of found) {
    assert.ok(result.href === null || new URL(result.href).protocol === "file:", `${result.caption}: ${result.href}`);
  }
  for (let i = 0; i < urls.length; i++) {
    await page.keyboard.press("ArrowDown");
    await page.keyboard.press("Enter");
  }
  assert.deepEqual(problems, []);
  await page.close();
});

test("entities are shown decoded and never as markup; a caption-less document is titled by its file", async () => {
  const folder = makeEngine("Standard", "find.html", {
    categories: ["Club"],
    links: [
      { category: 0, caption: "&lt;img src=x onerror=alert(1)&gt; &amp; &#8212; &eacute;t&eacute;", url: "e.html", description: "Fish &amp; chips&#x21; &bogus; &", keywords: ["entity"] },
      { category: 0, caption: "", url: "club/hand%20book.pdf", description: "", keywords: ["handbook"] },
      { category: 0, caption: "", url: "odd.constructor", description: "", keywords: ["oddity"] },
    ],
  });
  const { page, problems } = await open(browser, join(folder, "find.html"));
  const entity = await search(page, "ete");
  assert.equal(entity[0].caption, "<img src=x onerror=alert(1)> & \u2014 \u00e9t\u00e9");
  assert.deepEqual(entity[0].marks, ["\u00e9t\u00e9"]);
  assert.equal(await page.textContent(".svx-desc"), "Fish & chips! &bogus; &");
  assert.equal(await page.$$eval(".svx-results img", (nodes) => nodes.length), 0);
  const handbook = await search(page, "handbook");
  assert.equal(handbook[0].caption, "hand book.pdf");
  assert.equal(await page.textContent(".svx-folder"), "club/");
  assert.equal(await page.textContent(".svx-type"), "PDF");
  await search(page, "oddity");
  assert.equal(await page.$$eval(".svx-type", (labels) => labels.length), 0, "no label from the object's own properties");
  assert.deepEqual(problems, []);
  await page.close();
});

test("Enter searches, the arrows choose, the address keeps the query for Back", async () => {
  const folder = makeEngine("Standard", "find.html", database);
  mkdirSync(join(folder, "guides"), { recursive: true });
  writeFileSync(join(folder, "guides", "regatta-guide.html"), "<title>Guide</title>");
  const { page, problems } = await open(browser, join(folder, "find.html"));
  await page.locator(".svx-query").pressSequentially("regatta");
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => document.getElementById("svx-search").dataset.query === "regatta");
  assert.equal(page.url(), `file://${folder}/find.html?q=regatta`, "Enter moves nothing");
  await page.keyboard.press("ArrowDown");
  await page.keyboard.press("ArrowDown");
  await Promise.all([page.waitForURL(/regatta-guide\.html$/), page.keyboard.press("Enter")]);
  await page.goBack();
  await page.waitForSelector(".svx-result");
  assert.equal(await page.inputValue(".svx-query"), "regatta");
  assert.equal(await page.textContent(".svx-count"), "3 results");
  assert.deepEqual(problems, []);
  await page.close();
});

test("the script widget in a long page neither scrolls it nor takes the focus", async () => {
  const folder = makeEngine("Script", "svxdb.js", database);
  writeFileSync(join(folder, "long.html"), '<!DOCTYPE html><body><div style="height:5000px">Top</div><script src="svxdb.js"></script></body>');
  const { page, problems } = await open(browser, join(folder, "long.html"));
  await page.waitForSelector(".svx-query");
  assert.equal(await page.evaluate(() => window.scrollY), 0);
  assert.equal(await page.evaluate(() => document.activeElement.tagName), "BODY");
  assert.deepEqual(problems, []);
  await page.close();
});

test("a syllable folds as itself, not as its first letter", async () => {
  // Hangul HAN and HA share their first jamo.
  const folder = handWrittenEngine([["0+\\uD55C\\uAD6D news+korea.html", "", "korea"]]);
  const { page, problems } = await open(browser, join(folder, "search.html"));
  assert.deepEqual((await search(page, "\uD55C")).map((result) => result.caption), ["\uD55C\uAD6D news"]);
  assert.deepEqual(await search(page, "\uD558"), []);
  assert.deepEqual(problems, []);
  await page.close();
});

test("the caption or a keyword that is the query ranks first; prefixes, one typo, ß and ss", async () => {
  const folder = makeEngine("Standard", "find.html", {
    categories: [],
    links: [
      { category: 0, caption: "Harbour knots", url: "a.html", description: "", keywords: ["knots", "bowline"] },
      { category: 0, caption: "Knots", url: "b.html", description: "", keywords: ["rope"] },
      { category: 0, caption: "Rigging", url: "c.html", description: "", keywords: ["knotting", "shackle"] },
      { category: 0, caption: "Harbor master", url: "d.html", description: "", keywords: [] },
      { category: 0, caption: "Großes Segel", url: "e.html", description: "", keywords: [] },
      { category: 0, caption: "Strasse", url: "f.html", description: "", keywords: [] },
      { category: 0, caption: "Berths", url: "g.html", description: "", keywords: ["anchor", "mooring"] },
      { category: 0, caption: "Pontoons", url: "h.html", description: "", keywords: ["mooring", "anchor"] },
    ],
  });
  const { page, problems } = await open(browser, join(folder, "find.html"));
  const captions = async (text) => (await search(page, text)).map((result) => result.caption);
  assert.deepEqual((await captions("knots")).slice(0, 2), ["Knots", "Harbour knots"]);
  assert.deepEqual(await captions("knot"), ["Harbour knots", "Rigging", "Knots"]);
  assert.deepEqual(await captions("shakle"), ["Rigging"], "one letter dropped");
  assert.deepEqual(await captions("shakcle"), ["Rigging"], "two letters swapped");
  assert.deepEqual(await captions("shackla"), ["Rigging"], "one letter changed");
  assert.deepEqual(await captions("shacklees"), [], "two letters added");
  assert.deepEqual(await captions("harbor"), ["Harbor master", "Harbour knots"], "the typo's match ranks below the exact one");
  assert.deepEqual(await captions("ropa"), [], "terms under five letters find no typos");
  assert.deepEqual(await captions("mooring"), ["Pontoons", "Berths"], "the keyword nearer the front ranks higher");
  const grosses = await search(page, "grosses");
  assert.deepEqual(grosses.map((result) => [result.caption, result.marks]), [["Großes Segel", ["Großes"]]]);
  assert.deepEqual(await captions("straße"), ["Strasse"]);
  assert.deepEqual(problems, []);
  await page.close();
});

for (const [template, engine, shown] of [["Standard", "find.html", "find.html"], ["Script", "svxdb.js", "search.html"]]) {
  test(`a UTF-8 engine finds and marks words of every script (${template})`, async () => {
    const folder = makeEngine(
      template,
      engine,
      {
        categories: [],
        links: [
          { category: 0, caption: "Café au lait", url: "a.html", description: "", keywords: ["café"] },
          { category: 0, caption: "Größe der Segel", url: "b.html", description: "", keywords: [] },
          { category: 0, caption: "Привет, мир", url: "c.html", description: "", keywords: ["привет"] },
          { category: 0, caption: "東京大学", url: "d.html", description: "", keywords: ["東京"] },
          { category: 0, caption: "日本の大学", url: "e.html", description: "", keywords: ["東京", "大学"] },
        ],
      },
    );
    const { page, problems } = await open(browser, join(folder, shown));
    const found = async (text) => (await search(page, text)).map((result) => [result.caption, result.marks]);
    assert.deepEqual(await found("café"), [["Café au lait", ["Café"]]]);
    assert.deepEqual(await found("cafe"), [["Café au lait", ["Café"]]]);
    assert.deepEqual(await found("größe"), [["Größe der Segel", ["Größe"]]]);
    assert.deepEqual(await found("привет"), [["Привет, мир", ["Привет"]]]);
    assert.deepEqual((await found("東京")).map(([caption]) => caption), ["東京大学", "日本の大学"]);
    // A query written without spaces is cut into its words; matches inside such
    // text are marked.
    assert.deepEqual(await found("東京大学"), [
      ["東京大学", ["東京", "大学"]],
      ["日本の大学", ["大学"]],
    ]);
    assert.deepEqual(problems, []);
    await page.close();
  });
}

test("a Windows-1252 engine still finds its Latin-1 words", async () => {
  const folder = makeEngine(
    "Script",
    "svxdb.js",
    { categories: [], links: [{ category: 0, caption: "Café au lait", url: "a.html", description: "", keywords: ["café"] }] },
    { windows1252: true },
  );
  const dump = JSON.parse(execFileSync(cli, ["dump", join(folder, "svxdb.js")], { encoding: "utf8" }));
  assert.equal(dump.encoding, "windows-1252");
  const { page, problems } = await open(browser, join(folder, "search.html"));
  assert.deepEqual((await search(page, "cafe")).map((result) => [result.caption, result.marks]), [["Café au lait", ["Café"]]]);
  assert.deepEqual(problems, []);
  await page.close();
});

test("reading in idle time ends over elements that are no links", async () => {
  const folder = handWrittenEngine([["0+Harbour+a.html", "", "harbour"], ["0", "", ""]]);
  const page = await browser.newPage();
  await page.addInitScript(() => {
    const request = window.requestIdleCallback.bind(window);
    window.__idleCalls = 0;
    window.requestIdleCallback = (step) => {
      window.__idleCalls++;
      return request(step);
    };
  });
  await page.goto("file://" + join(folder, "search.html"));
  await page.waitForTimeout(500);
  const calls = await page.evaluate(() => window.__idleCalls);
  await page.waitForTimeout(500);
  assert.equal(await page.evaluate(() => window.__idleCalls), calls);
  await page.close();
});
