// Shared by the browser tests and the search-page benchmark: engine files made
// with sitevane-cli, and headless Chromium.
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { chromium } from "playwright-core";

const root = resolve(new URL("../..", import.meta.url).pathname);
export const cli = process.env.SITEVANE_CLI ?? join(root, "build/bin/sitevane-cli");
const setup = join(cli, "..");

// Creates a folder with an engine file made from a template (a UTF-8 engine,
// or a Windows-1252 one as engines were before when asked) and filled with
// the database (the JSON form of `sitevane-cli dump`); returns the folder.
export function makeEngine(template, engineName, database, { windows1252 = false } = {}) {
  const folder = mkdtempSync(join(tmpdir(), "sitevane-browser-"));
  const engine = join(folder, engineName);
  execFileSync(cli, ["--setup", setup, "new", engine, template]);
  if (windows1252) {
    for (const file of [engine, join(folder, "search.html")]) {
      if (existsSync(file)) writeFileSync(file, readFileSync(file, "latin1").replaceAll('charset="utf-8"', 'charset="windows-1252"'), "latin1");
    }
  }
  const json = join(folder, "database.json");
  writeFileSync(json, JSON.stringify(database));
  execFileSync(cli, ["--setup", setup, "load", engine, json]);
  return folder;
}

export async function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    args: [
      "--no-sandbox",
      "--disable-gpu",
      "--disable-quic",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
    ],
  });
}

// Opens a page and gathers every console error, page error and dialog.
export async function open(browser, file) {
  const page = await browser.newPage();
  const problems = [];
  page.on("console", (message) => {
    if (message.type() === "error") problems.push(`console: ${message.text()}`);
  });
  page.on("pageerror", (error) => problems.push(`page error: ${error.message}`));
  page.on("dialog", async (dialog) => {
    problems.push(`dialog: ${dialog.message()}`);
    await dialog.dismiss();
  });
  await page.goto("file://" + file);
  return { page, problems };
}

// The accessibility rules axe-core finds broken on the page, as "rule: target" lines.
export async function axeViolations(page) {
  await page.addScriptTag({ path: createRequire(import.meta.url).resolve("axe-core/axe.min.js") });
  const violations = await page.evaluate(async () => (await window.axe.run(document)).violations);
  return violations.flatMap((violation) => violation.nodes.map((node) => `${violation.id}: ${node.target.join(" ")}`));
}
