/**
 * Converts one query such as "10 km to mi" and returns one answer line:
 * "<number> <unit> -> <number> <unit>" (unit names as the table spells
 * them, in lower case), or a line that begins with "ERROR: ". `null` and
 * `undefined` answer "ERROR: null input". Before `ready` has resolved (on
 * a browser's main thread only) it answers
 * "ERROR: not ready: await ready before the first convert".
 */
export declare function convert(query: string | null | undefined): string;

/** The units the engine knows, by category, in the table's order; empty before `ready`. */
export declare function unitsByCategory(): { category: string; units: string[] }[];

/**
 * Resolves when convert() works: at once in Node.js and in workers; on a
 * browser's main thread once the module has compiled.
 */
export declare const ready: Promise<void>;
