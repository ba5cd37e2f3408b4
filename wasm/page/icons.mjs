// The page's icon, drawn from one description: the SVG for browsers that
// take it, and PNGs for those that do not (192 and 512 px; a maskable one,
// full bleed with the drawing inside the safe circle; the 180 px
// apple-touch-icon). Written by make_package.mjs into the page.
import { deflateSync } from "node:zlib";

const SIZE = 512;
const GREEN = [0x2f, 0x6f, 0x3e];
const CORNER = 96;
const STROKE = 40;
// Two arrows, left to right above and right to left below, as polylines.
const LINES = [
  [[304, 144], [360, 200], [112, 200]],
  [[400, 312], [152, 312], [208, 368]],
];

export function iconSvg() {
  const path = LINES.map((line) => `M${line.map(([x, y]) => `${x} ${y}`).join("L")}`).join("");
  return `<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 ${SIZE} ${SIZE}">
  <rect width="${SIZE}" height="${SIZE}" rx="${CORNER}" fill="#${GREEN.map((c) => c.toString(16).padStart(2, "0")).join("")}"/>
  <path d="${path}" fill="none" stroke="#fff" stroke-width="${STROKE}" stroke-linecap="round" stroke-linejoin="round"/>
</svg>
`;
}

function segmentDistance(px, py, [ax, ay], [bx, by]) {
  const dx = bx - ax;
  const dy = by - ay;
  const t = Math.max(0, Math.min(1, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)));
  return Math.hypot(px - ax - t * dx, py - ay - t * dy);
}

// Coverage of a pixel by a shape, from its distance to the edge (inside < 0).
const coverage = (distance, scale) => Math.max(0, Math.min(1, 0.5 - distance * scale));

function crc32(bytes) {
  let crc = ~0;
  for (const byte of bytes) {
    crc ^= byte;
    for (let k = 0; k < 8; k++) crc = (crc >>> 1) ^ (0xedb88320 & -(crc & 1));
  }
  return ~crc >>> 0;
}

function chunk(type, data) {
  const out = Buffer.alloc(12 + data.length);
  out.writeUInt32BE(data.length, 0);
  out.write(type, 4, "latin1");
  data.copy(out, 8);
  out.writeUInt32BE(crc32(out.subarray(4, 8 + data.length)), 8 + data.length);
  return out;
}

// An RGBA PNG of `pixels` a side; `maskable` fills the square to its edges
// (the platform cuts its own shape) and draws the arrows at 80 % inside it.
export function iconPng(pixels, maskable = false) {
  const scale = SIZE / pixels;  // drawing units per pixel
  const art = maskable ? 0.8 : 1;
  const rows = Buffer.alloc(pixels * (1 + 4 * pixels));
  for (let y = 0; y < pixels; y++) {
    const row = y * (1 + 4 * pixels);
    for (let x = 0; x < pixels; x++) {
      const px = (x + 0.5) * scale;
      const py = (y + 0.5) * scale;
      // The rounded square, as a signed distance.
      const qx = Math.abs(px - SIZE / 2) - (SIZE / 2 - CORNER);
      const qy = Math.abs(py - SIZE / 2) - (SIZE / 2 - CORNER);
      const square = maskable ? 1 : coverage(Math.hypot(Math.max(qx, 0), Math.max(qy, 0)) + Math.min(Math.max(qx, qy), 0) - CORNER, 1 / scale);
      const ax = (px - SIZE / 2) / art + SIZE / 2;
      const ay = (py - SIZE / 2) / art + SIZE / 2;
      let near = Infinity;
      for (const line of LINES) {
        for (let i = 1; i < line.length; i++) near = Math.min(near, segmentDistance(ax, ay, line[i - 1], line[i]));
      }
      const white = coverage(near - STROKE / 2, art / scale);
      const at = row + 1 + 4 * x;
      for (let c = 0; c < 3; c++) rows[at + c] = Math.round(GREEN[c] + (255 - GREEN[c]) * white);
      rows[at + 3] = Math.round(255 * square);
    }
  }
  const header = Buffer.alloc(13);
  header.writeUInt32BE(pixels, 0);
  header.writeUInt32BE(pixels, 4);
  header.set([8, 6, 0, 0, 0], 8);  // 8 bits, RGBA, deflate, no filter, no interlace
  return Buffer.concat([Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
                        chunk("IHDR", header), chunk("IDAT", deflateSync(rows)), chunk("IEND", Buffer.alloc(0))]);
}

// File name -> contents, for the page folder.
export function iconFiles() {
  return {
    "icon.svg": iconSvg(),
    "icon-192.png": iconPng(192),
    "icon-512.png": iconPng(512),
    "icon-maskable-512.png": iconPng(512, true),
    "apple-touch-icon.png": iconPng(180, true),
  };
}
