// Sitevane search: searches the ln, ds, kw and cg arrays above in the visitor's
// browser. Every text of the database is shown as text, never as markup.
(function () {
  "use strict";

  var script = document.currentScript;
  var base = (script && script.src) || window.location.href;

  var STYLE =
    ".svx{font:16px/1.45 system-ui,-apple-system,'Segoe UI',Roboto,sans-serif;color:#1d2330;max-width:46rem}" +
    ".svx-label{display:block;margin:0 0 .3rem;font-weight:600}" +
    ".svx-bar{display:flex;flex-wrap:wrap;gap:.5rem;margin:0 0 .75rem}" +
    ".svx-query{flex:1 1 16rem;min-width:0;font:inherit;padding:.6rem .8rem;border:2px solid #6b7487;border-radius:.5rem;background:#fff;color:inherit}" +
    ".svx-query:focus,.svx-category:focus,.svx a:focus,.svx-more:focus{outline:3px solid #2f6fde;outline-offset:1px}" +
    ".svx-category{flex:0 1 auto;max-width:100%;font:inherit;padding:.55rem;border:2px solid #6b7487;border-radius:.5rem;background:#fff;color:inherit}" +
    ".svx-count{margin:.25rem 0 .75rem;color:#4a5366}" +
    ".svx-results{margin:0;padding:0}" +
    ".svx-result{padding:.6rem .5rem;margin:0 -.5rem;border-top:1px solid #dde1ea}" +
    ".svx-result[aria-selected=true]{background:#eef3fd;box-shadow:inset 4px 0 #2f6fde}" +
    ".svx-result a{font-size:1.1rem;color:#1f57c3;text-decoration:none;overflow-wrap:anywhere}" +
    ".svx-result a:hover{text-decoration:underline}" +
    ".svx-folder{margin-left:.5rem;font-size:.85rem;color:#5d667a;overflow-wrap:anywhere}" +
    ".svx-desc{margin:.2rem 0;overflow-wrap:anywhere}" +
    ".svx-meta{font-size:.85rem;color:#5d667a;overflow-wrap:anywhere}" +
    ".svx-tag{display:inline-block;margin-right:.5rem;padding:0 .4rem;border-radius:.3rem;background:#e8edf7;color:#34405a}" +
    ".svx-type{display:inline-block;margin-right:.5rem;padding:0 .35rem;border:1px solid #6b7487;border-radius:.3rem;color:#34405a;font-size:.75rem;font-weight:600}" +
    ".svx mark{background:#ffe58a;color:inherit;padding:0 .05em}" +
    ".svx-more{font:inherit;margin:.75rem 0;padding:.45rem .9rem;border:1px solid #6b7487;border-radius:.5rem;background:#f4f6fa;color:inherit;cursor:pointer}";

  var PAGE_SIZE = 50;
  // The schemes a result may link to; an address without a scheme is relative.
  var LINK_SCHEMES = /^(https?|ftp|mailto)$/i;
  var DOCUMENT_TYPES = { pdf: "PDF", rtf: "RTF", mp3: "MP3", txt: "Text", asc: "Text", m3u: "Playlist" };

  // Folds letter case and accents, keeping one character for each, so that
  // positions in the folded text are positions in the original.
  var foldCache = Object.create(null);
  function foldChar(c) {
    var folded = foldCache[c];
    if (folded === undefined) {
      folded = c.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase();
      if (folded.length !== 1) {
        // A syllable or a letter whose lower case is longer stays one character.
        folded = c.toLowerCase();
        folded = folded.length === 1 ? folded : c;
      }
      foldCache[c] = folded;
    }
    return folded;
  }
  function fold(text) {
    var lower = text.toLowerCase();
    if (!/[^\x00-\x7f]/.test(lower)) {
      return lower;
    }
    // Where lower case changed the length, each character is folded alone.
    return lower.length === text.length ? lower.replace(/[^\x00-\x7f]/g, foldChar) : text.replace(/[A-Z\u0080-\uffff]/g, foldChar);
  }

  // The form texts are matched in: folded, with "ß" as "ss".
  function matchForm(folded) {
    return folded.indexOf("\u00df") < 0 ? folded : folded.replace(/\u00df/g, "ss");
  }

  // Words are runs of anything but spaces, ASCII punctuation, Latin-1's
  // signs and general punctuation.
  var SEPARATORS = "\\s!-\\/:-@\\[-`{-~\\u00a0-\\u00bf\\u2000-\\u206f";
  var WORD = new RegExp("[^" + SEPARATORS + "]+", "g");
  var SEPARATOR = new RegExp("[" + SEPARATORS + "]");
  function words(folded) {
    return folded.match(WORD) || [];
  }
  // Text of the scripts written without spaces (Thai, Lao, Myanmar, Khmer,
  // Japanese kana, Chinese characters) is cut into words as the indexer cuts
  // it, where the browser can; a match inside such text counts as at a word's
  // start.
  var NO_SPACES = /[\u0e00-\u0eff\u1000-\u109f\u1780-\u17ff\u3040-\u30ff\u3400-\u9fff\uf900-\ufaff]/;
  var segmenter = typeof Intl === "object" && Intl.Segmenter ? new Intl.Segmenter(undefined, { granularity: "word" }) : null;
  function queryTerms(folded) {
    var terms = [];
    words(folded).forEach(function (word) {
      if (!segmenter || !NO_SPACES.test(word)) {
        terms.push(word);
        return;
      }
      Array.from(segmenter.segment(word)).forEach(function (piece) {
        if (piece.isWordLike) {
          terms.push(piece.segment);
        }
      });
    });
    return terms;
  }
  // Whether a word starts at position at of text.
  function wordStart(text, at) {
    return at === 0 || SEPARATOR.test(text.charAt(at - 1));
  }

  // Character references decoded as the browser decodes them in text; only the
  // reference itself reaches the parser, so no markup can come of it.
  var ENTITY = /&(?:#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[A-Za-z][A-Za-z0-9]{1,31});/g;
  var entityCache = Object.create(null);
  var entityDecoder = null;
  function decodeEntity(reference) {
    var text = entityCache[reference];
    if (text === undefined) {
      entityDecoder = entityDecoder || document.createElement("textarea");
      entityDecoder.innerHTML = reference;
      text = entityCache[reference] = entityDecoder.value;
    }
    return text;
  }
  function decodeEntities(text) {
    return text.indexOf("&") < 0 ? text : text.replace(ENTITY, decodeEntity);
  }

  function field(name, index) {
    var array = window[name];
    return array && array[index] !== undefined ? String(array[index]) : "";
  }

  // The elements of a database array; one empty element is how an empty
  // list is written.
  function elements(name) {
    var list = window[name] || [];
    return list.length === 1 && list[0] === "" ? [] : list;
  }

  // The link of ln element i, or null for an element without caption and URL.
  // Its texts are prepared with it.
  function readLink(i) {
    var element = field("ln", i);
    // Category up to the first "+", caption up to the last; the URL writes
    // its own "+" as %2B.
    var first = element.indexOf("+");
    var last = element.lastIndexOf("+");
    var caption = first < 0 ? "" : last === first ? element.slice(first + 1) : element.slice(first + 1, last);
    var url = last === first ? "" : element.slice(last + 1).split("%2B").join("+");
    return caption || url ? { order: i, category: parseInt(element, 10), caption: caption, url: url } : null;
  }

  // The links, read from ln on first use and then kept.
  function Links() {
    this.count = elements("ln").length;
    this.read = 0;
    this.list = [];
  }
  // Reads links up to ln element end (at most count) and prepares them.
  Links.prototype.readUpTo = function (end) {
    for (; this.read < end; this.read++) {
      var link = readLink(this.read);
      if (link) {
        prepare(link);
        this.list.push(link);
      }
    }
  };
  Links.prototype.all = function () {
    this.readUpTo(this.count);
    return this.list;
  };

  // Decoded texts for display and folded ones for matching; keywords as
  // "+one+two+" so that a whole keyword is found as "+term+", without the
  // marker keyword of links the update leaves alone.
  function prepare(link) {
    link.caption = decodeEntities(link.caption);
    link.description = decodeEntities(field("ds", link.order));
    var keywords = "+" + field("kw", link.order) + "+";
    if (keywords.indexOf("dont_update") >= 0) {
      keywords = keywords.replace(/\+dont_update(?=\+)/g, "");
    }
    link.foldedCaption = fold(link.caption);
    link.foldedDescription = fold(link.description);
    link.keywordText = matchForm(fold(keywords));
    link.captionText = matchForm(link.foldedCaption);
    link.descriptionText = matchForm(link.foldedDescription);
    link.urlText = matchForm(fold(link.url));
    link.captionWords = words(link.captionText).join(" ");
  }

  // Whether a and b differ by one letter added, dropped or changed, or by two
  // neighbours swapped.
  function oneEditApart(a, b) {
    if (a.length > b.length) {
      var longer = a;
      a = b;
      b = longer;
    }
    if (b.length - a.length > 1 || a === b) {
      return false;
    }
    var i = 0;
    while (i < a.length && a.charAt(i) === b.charAt(i)) {
      i++;
    }
    if (a.length < b.length) {
      return a.slice(i) === b.slice(i + 1);
    }
    return a.slice(i + 1) === b.slice(i + 1) || (a.charAt(i) === b.charAt(i + 1) && a.charAt(i + 1) === b.charAt(i) && a.slice(i + 2) === b.slice(i + 2));
  }

  // Terms of five letters or more also find words one edit away where they
  // find nothing themselves. The words of the links are gathered while the
  // browser is idle, or on first need.
  var FUZZY_LENGTH = 5;
  function Vocabulary(links) {
    this.links = links;
    this.gathered = 0;
    this.seen = Object.create(null);
    this.words = null;
    this.near = Object.create(null);
  }
  // Gathers the words of the links up to end (at most every link).
  Vocabulary.prototype.gatherUpTo = function (end) {
    var list = this.links.all();
    for (end = Math.min(end, list.length); this.gathered < end; this.gathered++) {
      var link = list[this.gathered];
      var all = words(link.keywordText + " " + link.captionText + " " + link.urlText + " " + link.descriptionText);
      for (var w = 0; w < all.length; w++) {
        this.seen[all[w]] = true;
      }
      this.words = null;
    }
  };
  // Every link read and its words gathered (ln elements without caption and
  // URL are no links).
  Vocabulary.prototype.complete = function () {
    return this.links.read >= this.links.count && this.gathered >= this.links.list.length;
  };
  Vocabulary.prototype.nearWords = function (term) {
    if (term.length < FUZZY_LENGTH) {
      return [];
    }
    this.gatherUpTo(Infinity);
    if (!this.words) {
      this.words = Object.keys(this.seen);
      this.near = Object.create(null);
    }
    var near = this.near[term];
    if (!near) {
      near = this.near[term] = this.words.filter(function (word) {
        return oneEditApart(term, word);
      });
    }
    return near;
  };

  // Points for the best match of term in text: a whole word, the start of a
  // word, or (inside points) somewhere inside one.
  function matchScore(text, term, whole, start, inside) {
    var best = 0;
    for (var at = text.indexOf(term); at >= 0; at = text.indexOf(term, at + 1)) {
      if (!wordStart(text, at)) {
        best = Math.max(best, inside);
        continue;
      }
      var end = at + term.length;
      if (end === text.length || SEPARATOR.test(text.charAt(end))) {
        return whole;
      }
      best = start;
    }
    return best;
  }

  // Points for term in the link: keyword and caption hits weigh more than
  // address hits, which weigh more than description hits, and a whole keyword
  // more the nearer it stands to the front of the link's keywords, which come
  // best first. whole is the term as a whole keyword, "+term+".
  function termScore(link, term, whole) {
    var at = link.keywordText.indexOf(whole);
    var score = at >= 0 ? 12 + 6 * (1 - at / link.keywordText.length) : matchScore(link.keywordText, term, 10, 6, 0);
    score += matchScore(link.captionText, term, 8, 5, 3);
    score += matchScore(link.urlText, term, 3, 2, 0);
    return score + matchScore(link.descriptionText, term, 2, 1.5, 1);
  }

  // How a result ranks: a caption that is the query, then a keyword that is
  // the query, then the links every term finds, then those that some term
  // finds only through a word one edit away.
  var CAPTION_IS_QUERY = 3;
  var KEYWORD_IS_QUERY = 2;
  var EXACT = 1;
  var NEAR = 0;

  // The link's rank and points for query, or null when some term finds
  // nothing in it; near holds the words one edit from each term.
  function rankLink(link, query, near) {
    var total = 0;
    var rank = EXACT;
    for (var t = 0; t < query.terms.length; t++) {
      var score = termScore(link, query.terms[t], query.wholeKeywords[t]);
      if (score === 0) {
        for (var n = 0; n < near[t].length; n++) {
          score = Math.max(score, termScore(link, near[t][n], "+" + near[t][n] + "+"));
        }
        rank = score > 0 ? NEAR : rank;
      }
      if (score === 0) {
        return null;
      }
      total += score;
    }
    if (link.captionWords === query.words) {
      rank = CAPTION_IS_QUERY;
    } else if (link.keywordText.indexOf(query.keyword) >= 0) {
      rank = KEYWORD_IS_QUERY;
    }
    return { rank: rank, score: total };
  }

  function search(links, vocabulary, text, category) {
    var folded = matchForm(fold(text));
    var terms = queryTerms(folded);
    var query = {
      terms: terms,
      wholeKeywords: terms.map(function (term) {
        return "+" + term + "+";
      }),
      words: words(folded).join(" "),
      keyword: "+" + folded.trim().replace(/\s+/g, " ") + "+",
    };
    var near = terms.map(function (term) {
      return vocabulary.nearWords(term);
    });
    var list = links.all();
    var results = [];
    for (var i = 0; i < list.length; i++) {
      var link = list[i];
      if (category >= 0 && link.category !== category) {
        continue;
      }
      var found = terms.length ? rankLink(link, query, near) : category >= 0 ? { rank: EXACT, score: 1 } : null;
      if (found) {
        results.push({ link: link, rank: found.rank, score: found.score });
      }
    }
    results.sort(function (a, b) {
      return b.rank - a.rank || b.score - a.score || a.link.order - b.link.order;
    });
    var marked = terms.concat.apply(terms, near);
    return { terms: marked, results: results };
  }

  // Reads the links and gathers their words in small steps while the browser
  // has nothing else to do.
  function readWhenIdle(links, vocabulary) {
    if (!window.requestIdleCallback) {
      return;
    }
    window.requestIdleCallback(function step(deadline) {
      while (links.read < links.count && deadline.timeRemaining() > 1) {
        links.readUpTo(Math.min(links.read + 100, links.count));
      }
      while (links.read >= links.count && !vocabulary.complete() && deadline.timeRemaining() > 1) {
        vocabulary.gatherUpTo(vocabulary.gathered + 100);
      }
      if (!vocabulary.complete()) {
        window.requestIdleCallback(step);
      }
    });
  }

  // Appends text to parent with every match of a term at a word's start in a
  // <mark>. folded is text folded, a character for each of its characters; the
  // terms are found in its matching form, where "ß" is "ss".
  function appendMarked(parent, text, folded, terms) {
    var form = matchForm(folded);
    // The place in text of each character of form, and of its end.
    var places = [];
    for (var i = 0; i < folded.length; i++) {
      places.push(i);
      if (form !== folded && folded.charAt(i) === "\u00df") {
        places.push(i);
      }
    }
    places.push(folded.length);
    var marks = [];
    for (var t = 0; t < terms.length; t++) {
      for (var at = form.indexOf(terms[t]); at >= 0; at = form.indexOf(terms[t], at + 1)) {
        if (wordStart(form, at) || NO_SPACES.test(form.charAt(at))) {
          var end = at + terms[t].length;
          marks.push([places[at], places[end - 1] + 1]);
        }
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

  // The link's address seen from the engine's folder, or null when it is not
  // to be followed. The address is cleaned as the browser's URL parser cleans
  // it (controls and spaces at its ends, tabs and line breaks anywhere) before
  // its scheme is looked at, so no spelling of javascript: slips through.
  function address(url) {
    var path = url.replace(/^[\x00-\x20]+|[\x00-\x20]+$/g, "").replace(/[\t\n\r]/g, "").replace(/\\/g, "/");
    var scheme = /^([a-z][a-z0-9+.\-]*):/i.exec(path);
    if (scheme && !LINK_SCHEMES.test(scheme[1])) {
      return null;
    }
    try {
      return new URL(path, base).href;
    } catch (error) {
      return null;
    }
  }

  function readable(text) {
    try {
      return decodeURIComponent(text);
    } catch (error) {
      return text;
    }
  }

  // A caption-less result's title: its file name, and the folder it lies in.
  function fileTitle(url) {
    var path = url.replace(/\\/g, "/").replace(/[?#].*$/, "");
    var slash = path.lastIndexOf("/", path.length - 2);
    return { name: readable(path.slice(slash + 1)) || url, folder: readable(path.slice(0, slash + 1)) };
  }

  function documentType(url) {
    var extension = /\.([a-z0-9]+)$/i.exec(url.replace(/[?#].*$/, ""));
    var type = extension && extension[1].toLowerCase();
    return type && Object.prototype.hasOwnProperty.call(DOCUMENT_TYPES, type) ? DOCUMENT_TYPES[type] : "";
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

  var widgets = 0;

  function start(container) {
    var style = element("style");
    style.textContent = STYLE;
    document.head.appendChild(style);

    var links = new Links();
    var vocabulary = new Vocabulary(links);
    var names = Array.prototype.map.call(elements("cg"), String);
    var id = "svx-" + ++widgets;

    container.classList.add("svx");
    var label = element("label", "svx-label", "Search " + links.count + (links.count === 1 ? " page" : " pages"));
    label.htmlFor = id + "-query";
    var bar = element("form", "svx-bar");
    bar.setAttribute("role", "search");
    var query = element("input", "svx-query");
    query.id = id + "-query";
    query.type = "search";
    query.placeholder = "Words to look for";
    query.autocomplete = "off";
    query.setAttribute("role", "combobox");
    query.setAttribute("aria-autocomplete", "list");
    query.setAttribute("aria-haspopup", "grid");
    query.setAttribute("aria-expanded", "false");
    query.setAttribute("aria-controls", id + "-results");
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
    var list = element("div", "svx-results");
    list.id = id + "-results";
    // A grid rather than a listbox, so that each result stays a real link.
    list.setAttribute("role", "grid");
    list.setAttribute("aria-label", "Results");
    var more = element("button", "svx-more", "Show more results");
    more.type = "button";
    more.hidden = true;
    container.appendChild(label);
    container.appendChild(bar);
    container.appendChild(count);
    container.appendChild(list);
    container.appendChild(more);

    var found = { terms: [], results: [] };
    var shown = 0;
    var active = -1;

    function renderResult(entry, position) {
      var link = entry.link;
      var item = element("div", "svx-result");
      item.id = id + "-result-" + position;
      item.setAttribute("role", "row");
      item.setAttribute("aria-selected", "false");
      var cell = element("div");
      cell.setAttribute("role", "gridcell");
      item.appendChild(cell);
      var href = address(link.url);
      var title = element(href ? "a" : "span", "svx-title");
      if (href) {
        title.href = href;
        title.tabIndex = -1;
      }
      var file = link.caption ? null : fileTitle(link.url);
      if (file) {
        appendMarked(title, file.name, fold(file.name), found.terms);
      } else {
        appendMarked(title, link.caption, link.foldedCaption, found.terms);
      }
      cell.appendChild(title);
      if (file && file.folder) {
        cell.appendChild(element("span", "svx-folder", file.folder));
      }
      if (link.description) {
        var description = element("p", "svx-desc");
        appendMarked(description, link.description, link.foldedDescription, found.terms);
        cell.appendChild(description);
      }
      var meta = element("div", "svx-meta");
      var type = documentType(link.url);
      if (type) {
        meta.appendChild(element("span", "svx-type", type));
      }
      if (link.category >= 0 && link.category < names.length) {
        meta.appendChild(element("span", "svx-tag", names[link.category]));
      }
      if (!file) {
        meta.appendChild(document.createTextNode(link.url));
      }
      cell.appendChild(meta);
      return item;
    }

    function showMore() {
      var end = Math.min(shown + PAGE_SIZE, found.results.length);
      var fragment = document.createDocumentFragment();
      for (; shown < end; shown++) {
        fragment.appendChild(renderResult(found.results[shown], shown));
      }
      list.appendChild(fragment);
      more.hidden = shown >= found.results.length;
      query.setAttribute("aria-expanded", shown > 0 ? "true" : "false");
    }

    // Marks result at (or none, for -1) as the current one; the focus stays in the box.
    function select(at) {
      var items = list.children;
      if (active >= 0 && active < items.length) {
        items[active].setAttribute("aria-selected", "false");
      }
      active = at;
      if (at < 0) {
        query.removeAttribute("aria-activedescendant");
        return;
      }
      items[at].setAttribute("aria-selected", "true");
      query.setAttribute("aria-activedescendant", items[at].id);
      items[at].scrollIntoView({ block: "nearest" });
    }

    // The query in the address, so that Back and a shared link show these results.
    function remember(text) {
      try {
        var location = new URL(window.location.href);
        if (text) {
          location.searchParams.set("q", text);
        } else {
          location.searchParams.delete("q");
        }
        if (location.href !== window.location.href) {
          window.history.replaceState(window.history.state, "", location.href);
        }
      } catch (error) {
        // Some pages (sandboxed frames, some file: pages) may not change their address.
      }
    }

    function run() {
      var text = query.value;
      var chosen = parseInt(category.value, 10);
      found = search(links, vocabulary, text, chosen);
      container.setAttribute("data-query", text);
      shown = 0;
      select(-1);
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
      remember(text.trim());
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

    query.addEventListener("input", schedule);
    category.addEventListener("change", run);
    more.addEventListener("click", showMore);
    bar.addEventListener("submit", function (event) {
      event.preventDefault();
      var chosen = active >= 0 ? list.children[active].querySelector("a") : null;
      if (chosen) {
        window.location.href = chosen.href;
      } else if (active < 0) {
        run();
      }
    });
    query.addEventListener("keydown", function (event) {
      var items = list.children.length;
      if (event.key === "ArrowDown" && items) {
        event.preventDefault();
        select(Math.min(active + 1, items - 1));
      } else if (event.key === "ArrowUp" && active >= 0) {
        event.preventDefault();
        select(active - 1);
      } else if (event.key === "Escape") {
        if (active >= 0) {
          select(-1);
        } else {
          query.value = "";
          run();
        }
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
      run();
    }
    if (container.hasAttribute("data-autofocus")) {
      query.focus({ preventScroll: true });
    }

    window.Sitevane = {
      search: function (text, chosenCategory) {
        var result = search(links, vocabulary, text, chosenCategory === undefined ? -1 : chosenCategory);
        return result.results.map(function (entry) {
          return entry.link.url;
        });
      }
    };
    readWhenIdle(links, vocabulary);
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
