// The user's manual's search page, as "Search in Manual" opens it from the
// program folder: it finds the manual's pages.
import assert from "node:assert/strict";
import { test } from "node:test";
import { join } from "node:path";
import { cli, launch, open } from "./harness.mjs";

test("the manual's search page finds the manual's pages", async () => {
  const browser = await launch();
  try {
    const { page, problems } = await open(browser, join(cli, "..", "Manual", "search.html"));
    await page.locator(".svx-query").pressSequentially("template");
    await page.waitForFunction(() => document.getElementById("svx-search").dataset.query === "template");
    const results = await page.$$eval(".svx-result a.svx-title", (links) =>
      links.map((link) => [link.textContent, link.getAttribute("href")]),
    );
    assert.ok(
      results.some(([caption, href]) => caption === "Sitevane templates" && href.endsWith("/Manual/templates.html")),
      JSON.stringify(results),
    );
    assert.ok(results.length >= 2, "the dialogs and the main page speak of templates too");
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
  }
});

test("the manual's search page finds the words its pages are about", async () => {
  const browser = await launch();
  try {
    const { page, problems } = await open(browser, join(cli, "..", "Manual", "search.html"));
    await page.waitForFunction(() => window.Sitevane);
    for (const word of ["keywords", "rating", "pdf", "update"]) {
      const urls = await page.evaluate((text) => window.Sitevane.search(text), word);
      assert.equal(urls[0], "indexing.html", `${word}: ${JSON.stringify(urls)}`);
    }
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
  }
});
