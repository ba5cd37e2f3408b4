/**
 * Converts one query such as "10 km to mi" and returns one answer line:
 * "<number> <unit> -> <number> <unit>" (unit names as the table spells
 * them, in lower case), or a line that begins with "ERROR: ". `null` and
 * `undefined` answer "ERROR: null input". The module is ready when its
 * import is (it loads its WebAssembly with a top-level await).
 */
export function convert(query: string | null | undefined): string;

/** The units the engine knows, by category, in the table's order. */
export function unitsByCategory(): { category: string; units: string[] }[];
