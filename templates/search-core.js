// Sitevane search: searches the ln, ds, kw and cg arrays above in the visitor's
// browser. Every text of the database is shown as text, never as markup.
(function () {
  "use strict";

  var script = document.currentScript;
  var base = (script && script.src) || window.location.href;

  var STYLE =
    ".svx{font:16px/1.45 system-ui,-apple-system,'Segoe UI',Roboto,sans-serif;color:#1d2330;max-width:46rem}" +
    ".svx-bar{display:flex;flex-wrap:wrap;gap:.5rem;margin:0 0 .75rem}" +
    ".svx-query{flex:1 1 16rem;min-width:0;font:inherit;padding:.6rem .8rem;border:2px solid #8c96aa;border-radius:.5rem}" +
    ".svx-query:focus,.svx-category:focus,.svx a:focus,.svx-more:focus{outline:3px solid #2f6fde;outline-offset:1px}" +
    ".svx-category{flex:0 1 auto;max-width:100%;font:inherit;padding:.55rem;border:2px solid #8c96aa;border-radius:.5rem;background:#fff}" +
    ".svx-count{margin:.25rem 0 .75rem;color:#4a5366}" +
    ".svx-results{list-style:none;margin:0;padding:0}" +
    ".svx-result{padding:.6rem 0;border-top:1px solid #dde1ea}" +
    ".svx-result a{font-size:1.1rem;color:#1f57c3;text-decoration:none;overflow-wrap:anywhere}" +
    ".svx-result a:hover{text-decoration:underline}" +
    ".svx-desc{margin:.2rem 0;overflow-wrap:anywhere}" +
    ".svx-meta{font-size:.85rem;color:#5d667a;overflow-wrap:anywhere}" +
    ".svx-tag{display:inline-block;margin-right:.5rem;padding:0 .4rem;border-radius:.3rem;background:#e8edf7;color:#34405a}" +
    ".svx mark{background:#ffe58a;color:inherit;padding:0 .05em}" +
    ".svx-more{font:inherit;margin:.75rem 0;padding:.45rem .9rem;border:1px solid #8c96aa;border-radius:.5rem;background:#f4f6fa;cursor:pointer}";

  var PAGE_SIZE = 50;
  var SAFE_SCHEME = /^(https?|ftp|mailto|file):/i;

  // Folds letter case and accents, keeping one character for each, so that
  // positions in the folded text are positions in the original.
  var foldCache = {};
  function fold(text) {
    var out = "";
    for (var i = 0; i < text.length; i++) {
      var c = text.charAt(i);
      var code = text.charCodeAt(i);
      if (code < 128) {
        out += code >= 65 && code <= 90 ? String.fromCharCode(code + 32) : c;
      } else {
        var folded = foldCache[c];
        if (folded === undefined) {
          folded = c.normalize("NFD").charAt(0).toLowerCase();
          foldCache[c] = folded = folded.length === 1 ? folded : c;
        }
        out += folded;
      }
    }
    return out;
  }

  var WORD = /[^\s!-\/:-@\[-`{-~\u00a0-\u00bf\u2000-\u206f]+/g;
  function words(folded) {
    return folded.match(WORD) || [];
  }

  function field(name, index) {
    var array = window[name];
    return array && array[index] !== undefined ? String(array[index]) : "";
  }

  function categoryNames() {
    var names = [];
    var list = window.cg || [];
    // One empty name is how an empty list is written.
    if (list.length === 1 && list[0] === "") {
      return names;
    }
    for (var i = 0; i < list.length; i++) {
      names.push(String(list[i]));
    }
    return names;
  }

  function readLinks() {
    var links = [];
    var count = (window.ln || []).length;
    for (var i = 0; i < count; i++) {
      var element = field("ln", i);
      // Category up to the first "+", caption up to the last; the URL writes
      // its own "+" as %2B.
      var first = element.indexOf("+");
      var last = element.lastIndexOf("+");
      var caption = first < 0 ? "" : last === first ? element.slice(first + 1) : element.slice(first + 1, last);
      var url = last === first ? "" : element.slice(last + 1).split("%2B").join("+");
      if (!caption && !url) {
        continue;
      }
      var description = field("ds", i);
      var keywordText = field("kw", i);
      var keywords = keywordText ? keywordText.split("+") : [];
      var shown = [];
      var folded = [];
      for (var k = 0; k < keywords.length; k++) {
        if (keywords[k] && keywords[k] !== "dont_update") {
          shown.push(keywords[k]);
          folded.push(fold(keywords[k]));
        }
      }
      var foldedCaption = fold(caption);
      var foldedDescription = fold(description);
      links.push({
        order: links.length,
        category: parseInt(element, 10),
        caption: caption,
        url: url,
        description: description,
        keywords: shown,
        foldedCaption: foldedCaption,
        foldedDescription: foldedDescription,
        foldedKeywords: folded,
        keywordWords: words(folded.join(" ")),
        captionWords: words(foldedCaption),
        descriptionWords: words(foldedDescription),
        urlWords: words(fold(url))
      });
    }
    return links;
  }

  // Points for the best match of term among words: a whole word, or its start.
  function wordScore(list, term, whole, prefix) {
    var best = 0;
    for (var i = 0; i < list.length && best < whole; i++) {
      if (list[i] === term) {
        best = whole;
      } else if (prefix > best && list[i].lastIndexOf(term, 0) === 0) {
        best = prefix;
      }
    }
    return best;
  }

  // Keyword and caption hits weigh more than address hits, which weigh more than
  // description hits. Every term must match somewhere.
  function scoreLink(link, terms) {
    var total = 0;
    for (var t = 0; t < terms.length; t++) {
      var term = terms[t];
      var score = 0;
      if (link.foldedKeywords.indexOf(term) >= 0) {
        score += 12;
      } else {
        score += wordScore(link.keywordWords, term, 10, 6);
      }
      var caption = wordScore(link.captionWords, term, 8, 5);
      score += caption || (link.foldedCaption.indexOf(term) >= 0 ? 3 : 0);
      score += wordScore(link.urlWords, term, 3, 2);
      var description = wordScore(link.descriptionWords, term, 2, 1.5);
      score += description || (link.foldedDescription.indexOf(term) >= 0 ? 1 : 0);
      if (score === 0) {
        return 0;
      }
      total += score;
    }
    return total;
  }

  function search(links, query, category) {
    var terms = words(fold(query));
    var results = [];
    for (var i = 0; i < links.length; i++) {
      var link = links[i];
      if (category >= 0 && link.category !== category) {
        continue;
      }
      var score = terms.length ? scoreLink(link, terms) : category >= 0 ? 1 : 0;
      if (score > 0) {
        results.push({ link: link, score: score });
      }
    }
    results.sort(function (a, b) {
      return b.score - a.score || a.link.order - b.link.order;
    });
    return { terms: terms, results: results };
  }

  // Appends text to parent with every occurrence of a term in a <mark>.
  function appendMarked(parent, text, folded, terms) {
    var marks = [];
    for (var t = 0; t < terms.length; t++) {
      for (var at = folded.indexOf(terms[t]); at >= 0 && terms[t]; at = folded.indexOf(terms[t], at + 1)) {
        marks.push([at, at + terms[t].length]);
      }
    }
    marks.sort(function (a, b) {
      return a[0] - b[0] || b[1] - a[1];
    });
    var position = 0;
    for (var m = 0; m < marks.length; m++) {
      var start = Math.max(marks[m][0], position);
      if (start >= marks[m][1]) {
        continue;
      }
      parent.appendChild(document.createTextNode(text.slice(position, start)));
      var mark = document.createElement("mark");
      mark.textContent = text.slice(start, marks[m][1]);
      parent.appendChild(mark);
      position = marks[m][1];
    }
    parent.appendChild(document.createTextNode(text.slice(position)));
  }

  // The link's address seen from the engine's folder; addresses with other
  // schemes (javascript: and the like) are not followed.
  function address(url) {
    var path = url.replace(/\\/g, "/");
    if (/^[a-z][a-z0-9+.\-]*:/i.test(path) && !SAFE_SCHEME.test(path)) {
      return null;
    }
    try {
      return new URL(path, base).href;
    } catch (error) {
      return null;
    }
  }

  function element(tag, className, text) {
    var node = document.createElement(tag);
    if (className) {
      node.className = className;
    }
    if (text !== undefined) {
      node.textContent = text;
    }
    return node;
  }

  function start(container) {
    var style = element("style");
    style.textContent = STYLE;
    document.head.appendChild(style);

    var links = readLinks();
    var names = categoryNames();

    container.classList.add("svx");
    var bar = element("form", "svx-bar");
    bar.setAttribute("role", "search");
    var query = element("input", "svx-query");
    query.type = "search";
    query.placeholder = "Search " + links.length + (links.length === 1 ? " page" : " pages");
    query.setAttribute("aria-label", "Search");
    query.autocomplete = "off";
    bar.appendChild(query);
    var category = element("select", "svx-category");
    category.setAttribute("aria-label", "Category");
    category.appendChild(new Option("All categories", "-1"));
    for (var c = 0; c < names.length; c++) {
      category.appendChild(new Option(names[c], String(c)));
    }
    if (names.length) {
      bar.appendChild(category);
    }
    var count = element("p", "svx-count");
    count.setAttribute("aria-live", "polite");
    var list = element("ol", "svx-results");
    var more = element("button", "svx-more", "Show more results");
    more.type = "button";
    more.hidden = true;
    container.appendChild(bar);
    container.appendChild(count);
    container.appendChild(list);
    container.appendChild(more);

    var found = { terms: [], results: [] };
    var shown = 0;

    function renderResult(entry) {
      var link = entry.link;
      var item = element("li", "svx-result");
      var href = address(link.url);
      var title = element(href ? "a" : "span");
      if (href) {
        title.href = href;
      }
      appendMarked(title, link.caption || link.url, link.caption ? link.foldedCaption : fold(link.url), found.terms);
      item.appendChild(title);
      if (link.description) {
        var description = element("p", "svx-desc");
        appendMarked(description, link.description, link.foldedDescription, found.terms);
        item.appendChild(description);
      }
      var meta = element("div", "svx-meta");
      if (link.category >= 0 && link.category < names.length) {
        meta.appendChild(element("span", "svx-tag", names[link.category]));
      }
      meta.appendChild(document.createTextNode(link.url));
      item.appendChild(meta);
      return item;
    }

    function showMore() {
      var end = Math.min(shown + PAGE_SIZE, found.results.length);
      var fragment = document.createDocumentFragment();
      for (; shown < end; shown++) {
        fragment.appendChild(renderResult(found.results[shown]));
      }
      list.appendChild(fragment);
      more.hidden = shown >= found.results.length;
    }

    function run() {
      var text = query.value;
      var chosen = parseInt(category.value, 10);
      found = search(links, text, chosen);
      container.setAttribute("data-query", text);
      shown = 0;
      list.textContent = "";
      var total = found.results.length;
      if (!found.terms.length && chosen < 0) {
        count.textContent = "";
      } else if (total === 0) {
        count.textContent = text.trim() ? "No results for \u201c" + text.trim() + "\u201d" : "No pages in this category";
      } else {
        count.textContent = total + (total === 1 ? " result" : " results");
      }
      showMore();
    }

    var pending = false;
    function schedule() {
      if (!pending) {
        pending = true;
        window.requestAnimationFrame(function () {
          pending = false;
          run();
        });
      }
    }

    function resultLinks() {
      return list.querySelectorAll("a");
    }

    query.addEventListener("input", schedule);
    category.addEventListener("change", run);
    more.addEventListener("click", showMore);
    bar.addEventListener("submit", function (event) {
      event.preventDefault();
      run();
      var first = resultLinks()[0];
      if (first) {
        window.location.href = first.href;
      }
    });
    query.addEventListener("keydown", function (event) {
      if (event.key === "ArrowDown" && resultLinks().length) {
        event.preventDefault();
        resultLinks()[0].focus();
      } else if (event.key === "Escape") {
        query.value = "";
        run();
      }
    });
    list.addEventListener("keydown", function (event) {
      var anchors = Array.prototype.slice.call(resultLinks());
      var at = anchors.indexOf(document.activeElement);
      if (at < 0) {
        return;
      }
      if (event.key === "ArrowDown" && at + 1 < anchors.length) {
        event.preventDefault();
        anchors[at + 1].focus();
      } else if (event.key === "ArrowUp") {
        event.preventDefault();
        (at > 0 ? anchors[at - 1] : query).focus();
      } else if (event.key === "Escape") {
        query.focus();
      }
    });
    document.addEventListener("keydown", function (event) {
      if (event.key === "/" && document.activeElement !== query && !/^(INPUT|SELECT|TEXTAREA)$/.test(document.activeElement.tagName)) {
        event.preventDefault();
        query.focus();
      }
    });

    var initial = new URLSearchParams(window.location.search).get("q");
    if (initial) {
      query.value = initial;
    }
    run();
    query.focus();

    window.Sitevane = {
      search: function (text, chosenCategory) {
        var result = search(links, text, chosenCategory === undefined ? -1 : chosenCategory);
        return result.results.map(function (entry) {
          return entry.link.url;
        });
      }
    };
  }

  function begin() {
    var container = document.getElementById("svx-search");
    if (!container) {
      container = document.createElement("div");
      container.id = "svx-search";
      if (script && script.parentNode && script.parentNode !== document.head) {
        script.parentNode.insertBefore(container, script.nextSibling);
      } else {
        document.body.appendChild(container);
      }
    }
    start(container);
  }

  if (document.getElementById("svx-search") || document.readyState !== "loading") {
    begin();
  } else {
    document.addEventListener("DOMContentLoaded", begin);
  }
})();
