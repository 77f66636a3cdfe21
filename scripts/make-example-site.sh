#!/usr/bin/env bash
# Writes the bundled example site (examples/site): the pages of a small sailing
# club, a text file, a playlist, and a PDF, an RTF and an MP3 made from them.
# Needs: libreoffice-writer-nogui (PDF, RTF), sox and lame (MP3). The results
# are committed, so nothing here is needed to index the site.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
site="$root/examples/site"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$site"
mkdir -p "$site/lessons" "$site/racing" "$site/news" "$site/club" "$site/media"

# page FILE CATEGORY TITLE DESCRIPTION KEYWORDS BODY
page() {
  local file=$1 category=$2 title=$3 description=$4 keywords=$5 body=$6
  local depth up=""
  depth=$(awk -F/ '{print NF-1}' <<<"$file")
  for ((i = 0; i < depth; i++)); do up+="../"; done
  cat >"$site/$file" <<PAGE
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="windows-1252">
<title>$title</title>
<meta name="description" content="$description">
<meta name="keywords" content="$keywords">
<meta name="category code" content="$category">
<link rel="stylesheet" href="${up}style.css">
</head>
<body>
<!-- svxnoindex -->
<nav><a href="${up}index.html">Home</a> | <a href="${up}lessons/index.html">Lessons</a> |
<a href="${up}racing/index.html">Racing</a> | <a href="${up}news/index.html">News</a> |
<a href="${up}club/membership.html">Join</a></nav>
<!-- svxindex -->
<h1>$title</h1>
$body
<!-- svxnoindex -->
<footer>Harbour Lights Sailing Club, North Quay, Porthallow. Registered charity.</footer>
<!-- svxindex -->
</body>
</html>
PAGE
}

page index.html 0 "Harbour Lights Sailing Club" "Dinghy sailing lessons, regattas and club news on the north shore." "sailing, dinghy, club" \
"<p>Welcome aboard! Harbour Lights is a friendly dinghy sailing club on the north shore of the bay. We run
<a href=\"lessons/index.html\">sailing lessons</a> from April to October, race every Sunday and Wednesday evening,
and keep a fleet of club boats that members may borrow.</p>
<p>Our caf&eacute; opens at 10:30 on race days. New members are always welcome &mdash; come down to the quay on a
Saturday morning and someone will take you out.</p>"
page about.html 0 "About the club" "The history, the clubhouse and the people of Harbour Lights Sailing Club." "history, clubhouse" \
"<p>The club was founded in 1962 by six fishermen's families who wanted their children to learn to sail. The
clubhouse, a former net loft, was rebuilt in 1998 with a lottery grant and now has changing rooms, a galley and a
training room with a view across the moorings.</p>"
page contact.html 0 "Contact and directions" "How to find the clubhouse on North Quay and whom to ask." "contact, directions, parking" \
"<p>The clubhouse stands at the end of North Quay, beside the lifeboat station. Parking is free on the quay outside
race hours. The secretary answers the club telephone on weekday evenings.</p>"
page lessons/index.html 1 "Sailing lessons" "Courses for adults and juniors, from first steps to racing skills." "lessons, courses, training" \
"<p>Our instructors are qualified volunteers. Courses run in small groups of four, with a safety boat on the water
at all times. Choose the <a href=\"beginners.html\">beginners' course</a>, the
<a href=\"improvers.html\">improvers' course</a> or <a href=\"racing-skills.html\">racing skills</a>.</p>"
page lessons/beginners.html 1 "Beginners' course" "Two weekends that take you from rigging a dinghy to sailing it alone." "beginners, rigging, capsize" \
"<p>On the first weekend you learn to rig a dinghy, launch it from the slipway and steer it with a tiller. On the
second you practise tacking and gybing, and you capsize on purpose in warm water so that it holds no fear.</p>
<p>Buoyancy aids and wetsuits are lent free of charge.</p>"
page lessons/improvers.html 1 "Improvers' course" "Sail in stronger winds, use the spinnaker and leave the harbour." "improvers, spinnaker, trapeze" \
"<p>For sailors who can already sail alone in light winds: reefing, the trapeze, spinnaker handling and a day sail
along the coast to Gull Point with a picnic on the beach.</p>"
page lessons/racing-skills.html 1 "Racing skills" "Starts, mark roundings and the racing rules, taught on the water." "racing, starts, rules" \
"<p>Good starts win races. Over four evenings we practise timed runs to the line, mark roundings and the right of way
rules, with a video review in the training room after each session.</p>"
page lessons/juniors.html 1 "Junior sailing" "Saturday morning sailing for children from eight years old." "juniors, children, Optimist" \
"<p>Juniors sail Optimists and Toppers on Saturday mornings in term time. Parents are welcome to help on the
slipway and in the galley; a hot chocolate after sailing is part of the course.</p>"
page lessons/safety.html 1 "Safety on the water" "Buoyancy aids, safety boats, weather limits and what to do after a capsize." "safety, capsize, buoyancy" \
"<p>Everyone on the water wears a buoyancy aid. No dinghy leaves the slipway without a safety boat afloat. Sailing
stops when the wind at the end of the quay exceeds twenty knots or when fog hides the outer mark.</p>"
page racing/index.html 2 "Racing at Harbour Lights" "Sunday series, Wednesday evening races and the August regatta." "racing, series, regatta" \
"<p>We race handicap and one-design fleets on a course laid inside the bay. The Sunday series has twelve races in
spring and twelve in autumn; the Wednesday evening races run from May to August.</p>"
page racing/calendar.html 2 "Racing calendar" "Dates of series races, open meetings and the August regatta week." "calendar, dates, regatta" \
"<p>The spring series starts on the first Sunday of April. The open meeting for Toppers is in June, and regatta week
begins on the first Saturday of August with the harbour race.</p>"
page racing/results-2025.html 2 "Results 2025" "Overall results of the 2025 spring and autumn series." "results, 2025, series" \
"<p>Spring series 2025: first Laser, Ann Pascoe; second Wayfarer, the Trevithick family; third RS200, Tom Hocking.
Autumn series 2025: first RS200, Tom Hocking; second Laser, Ann Pascoe.</p>"
page racing/results-2024.html 2 "Results 2024" "Overall results of the 2024 spring and autumn series." "results, 2024, series" \
"<p>Spring series 2024: first Wayfarer, the Trevithick family; second Laser, Jim Rowe. Autumn series 2024 was cut
short by the October storms after eight races.</p>"
page racing/regatta.html 2 "Regatta week" "A week of racing, a crab-catching contest and the harbour swim." "regatta, harbour, swim" \
"<p>Regatta week mixes serious racing with fun for everyone: the harbour race round the moorings, a crab-catching
contest off the quay, the harbour swim and a barbecue on the last evening.</p>"
page racing/rules.html 2 "Sailing instructions" "Courses, marks, signals and protests for club racing." "instructions, marks, protests" \
"<p>Races start from the committee boat. The marks are yellow inflatable buoys; the outer mark is the green
navigation buoy off Gull Point. Protests go to the race officer within an hour of the last finish.</p>"
page news/index.html 3 "Club news" "What happens at the club: new boats, events and working parties." "news, events" \
"<p>The latest news from the clubhouse and the water. Older stories stay here for a year.</p>"
page news/new-boats.html 3 "Two new club boats" "The club bought two RS Quest dinghies for training and members' use." "boats, RS Quest, training" \
"<p>Thanks to the summer fair, the club bought two RS Quest dinghies. They are stable enough for beginners and fast
enough to make improvers grin, and members may book them for evening sailing.</p>"
page news/working-party.html 3 "Winter working party" "Help us paint the clubhouse and repair the slipway in February." "working party, slipway, paint" \
"<p>Every February the club repairs what the winter broke. Bring old clothes; the galley provides pasties and
tea. This year the slipway needs new timbers and the clubhouse a coat of white paint.</p>"
page news/storm.html 3 "After the October storm" "The storm moved three moorings and washed the rescue boat onto the quay." "storm, moorings, rescue boat" \
"<p>The October storm dragged three moorings across the bay and lifted the rescue boat onto the quay. Divers from
the sub-aqua club have reset the moorings, and the rescue boat needs only a new propeller.</p>"
page news/prize-giving.html 3 "Prize giving dinner" "The annual dinner with the series prizes, in November at the Ship Inn." "dinner, prizes, trophies" \
"<p>The prize giving dinner is on the last Saturday of November at the Ship Inn. The Commodore's Cup goes to the
sailor who helped most on shore; nominations to the secretary please.</p>"
page club/membership.html 0 "Membership" "Family, adult, junior and social membership, and what each includes." "membership, fees, family" \
"<p>Family membership covers two adults and their children under eighteen. Adult and junior members may use the
club boats once they have passed the beginners' course. Social members enjoy the clubhouse and the galley.</p>"
page club/committee.html 0 "Committee" "The officers who run the club and how to reach them." "committee, officers, commodore" \
"<p>The club is run by a committee of volunteers elected each March: the Commodore, the secretary, the treasurer,
the sailing secretary, the bosun who looks after the boats, and the galley manager.</p>"
page club/volunteers.html 0 "Volunteering" "Safety boat drivers, race officers and galley helpers are always wanted." "volunteers, safety boat, race officer" \
"<p>Everything at the club is done by members. Safety boat drivers receive a free powerboat course; race officers
learn on the job beside an experienced hand.</p>"
page club/weather.html 0 "Weather and tides" "Where to find the forecast and the tide times for the bay." "weather, tides, forecast" \
"<p>Check the inshore forecast before you sail. High water at Porthallow is about twenty minutes before Falmouth;
at low water springs the slipway ends in mud, so plan your launch.</p>"
page club/history.html 0 "Sixty years of sailing" "From fishing families to a club of three hundred members." "history, 1962, founders" \
"<p>In 1962 the first boats were home-built Mirror dinghies. By 1980 the club had a hundred members and its first
open meeting; today three hundred members sail anything from Optimists to keelboats.</p>"
page club/faq.html 0 "Questions and answers" "What to wear, whether you can swim, and other questions newcomers ask." "questions, newcomers, clothing" \
"<p>Do I need to swim? You should be able to swim fifty metres in a buoyancy aid. What should I wear? Quick-drying
clothes and old trainers; we lend wetsuits.</p>"
printf 'body { font-family: sans-serif; max-width: 44rem; margin: 1rem auto; }\n' >"$site/style.css"

cat >"$site/club/notice.txt" <<'TEXT'
NOTICE TO MEMBERS

The slipway will be closed for repairs from 3 to 14 February. Dinghies may be
launched from the beach beside the lifeboat station during that time. Please
move trailers from the boat park before the contractors arrive.
TEXT

cat >"$work/handbook.txt" <<'TEXT'
Harbour Lights Sailing Club - Members' Handbook

Welcome to the club. This handbook explains how the club works: booking club
boats, the safety rules on the water, racing, and helping on shore.

Booking club boats
Members who have passed the beginners' course may book a club dinghy for up to
three hours. Book at the bosun's board in the boat park and sign the boat out.

Safety rules
Wear a buoyancy aid at all times on the water. Never sail without a safety boat
afloat. Tell the duty officer before you launch and when you return.
TEXT
cat >"$work/race-officer.txt" <<'TEXT'
Race Officer's Checklist

Before the start: check the forecast and the tide, lay the course, brief the
safety boat crews, and hoist the class flag five minutes before the start.
After the finish: record the times, collect the sign-out sheet and count the
boats back onto the slipway.
TEXT
office() { soffice --headless -env:UserInstallation="file://$work/profile" "$@" >/dev/null 2>&1; }
office --infilter='Text (encoded):UTF8' --convert-to pdf --outdir "$work" "$work/handbook.txt"
cp "$work/handbook.pdf" "$site/club/handbook.pdf"
office --infilter='Text (encoded):UTF8' --convert-to 'rtf:Rich Text Format' --outdir "$work" "$work/race-officer.txt"
cp "$work/race-officer.rtf" "$site/racing/race-officer.rtf"

sox -n -r 22050 -c 1 "$work/horn.wav" synth 1.5 sine 440 vol 0.3
lame --quiet --id3v1-only --tt "Start Signal" --ta "Harbour Lights" --tl "Race Sounds" --ty 2025 \
  --tc "The horn heard five minutes before a start" --tg Other "$work/horn.wav" "$site/media/start-signal.mp3"
printf '#EXTM3U\n#EXTINF:2,Harbour Lights - Start Signal\nstart-signal.mp3\n' >"$site/media/race-sounds.m3u"
find "$site" -type f | wc -l
