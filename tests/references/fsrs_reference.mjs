// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Writes random review sequences with what an independent FSRS-5 implementation (the npm
// package ts-fsrs, installed under the build tree) makes of them:
//   node fsrs_reference.mjs MODULE_FOLDER SEQUENCES SEED
// One block per sequence: "sequence <n> <desired retention>", then one line per review:
//   <days since the last review> <grade 1-4> <recall before it> <stability> <difficulty>
//   <interval in days>
// (the recall of a first review is written as 0). Gaps mostly follow the intervals, with
// same-day repeats, early reviews and long gaps mixed in.
import { createRequire } from "node:module";
import path from "node:path";

const [moduleFolder, countText, seedText] = process.argv.slice(2);
const require = createRequire(path.join(path.resolve(moduleFolder), "index.js"));
const { FSRSAlgorithm } = require("ts-fsrs");

const WEIGHTS = [0.40255, 1.18385, 3.173, 15.69105, 7.1949, 0.5345, 1.4604, 0.0046, 1.54575,
                 0.1192, 1.01925, 1.9395, 0.11, 0.29605, 2.2698, 0.2315, 2.9898, 0.51655, 0.6621];

// mulberry32: small, seeded, the same on every machine.
function generator(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}
const random = generator(Number(seedText));
const between = (low, high) => low + Math.floor(random() * (high - low + 1));

function grade() {
  const x = random();
  return x < 0.2 ? 1 : x < 0.35 ? 2 : x < 0.85 ? 3 : 4;
}

function gap(interval) {
  const x = random();
  if (x < 0.12) return 0;                                        // again the same day
  if (x < 0.22) return between(1, Math.max(1, interval >> 1));   // early
  if (x < 0.3) return between(interval + 30, interval + 3650);     // a long break
  return Math.max(1, Math.round(interval * (0.8 + random() * 0.6)));
}

const lines = [];
for (let n = 0; n < Number(countText); ++n) {
  const retention = n % 2 === 0 ? 0.9 : Math.round((0.75 + random() * 0.22) * 100) / 100;
  const fsrs = new FSRSAlgorithm({
    w: WEIGHTS, request_retention: retention, maximum_interval: 36500,
    enable_fuzz: false, enable_short_term: true,
  });
  lines.push(`sequence ${n} ${retention}`);
  let state = null;
  let interval = 0;
  for (let review = between(3, 30); review > 0; --review) {
    const days = state === null ? 0 : gap(interval);
    const g = grade();
    const recall = state === null ? 0 : fsrs.forgetting_curve(days, state.stability);
    state = fsrs.next_state(state, days, g);
    interval = fsrs.next_interval(state.stability, days);
    lines.push(`${days} ${g} ${recall} ${state.stability} ${state.difficulty} ${interval}`);
  }
}
process.stdout.write(lines.join("\n") + "\n");
