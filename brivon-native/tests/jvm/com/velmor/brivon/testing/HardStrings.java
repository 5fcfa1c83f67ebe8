package com.velmor.brivon.testing;

import java.util.ArrayList;
import java.util.List;
import java.util.Random;

/**
 * Seeded random strings made of what string conversions get wrong: NULs, lone high and low
 * surrogates, pairs, the last code units of the BMP, and very long runs. The seed is printed so a
 * failure can be replayed with -Dbrivon.fuzz.seed.
 */
public final class HardStrings {
    private static final char[] HARD_UNITS = {
        '\0', 'a', ' ', '\u007f', '\u0080', '\u00e9', '\u07ff', '\u0800', '\u20ac', '\ufffd', '\ufffe', '\uffff',
        '\ud800', '\udbff', '\udc00', '\udfff',
    };

    private HardStrings() {
    }

    public static long seed() {
        String given = System.getProperty("brivon.fuzz.seed");
        long seed = given != null ? Long.parseLong(given) : System.nanoTime();
        System.out.println("hard strings seed: " + seed + " (replay with -Dbrivon.fuzz.seed=" + seed + ")");
        return seed;
    }

    /** `count` strings: mostly short, every 50th thousands of units long, the last a million. */
    public static List<String> make(long seed, int count) {
        Random random = new Random(seed);
        List<String> out = new ArrayList<>();
        for (int i = 0; i < count; i++) {
            int length = i == count - 1 ? 1_000_000 : i % 50 == 49 ? 1000 + random.nextInt(100_000) : random.nextInt(40);
            StringBuilder text = new StringBuilder(length);
            while (text.length() < length) {
                switch (random.nextInt(4)) {
                    case 0:
                        text.append(HARD_UNITS[random.nextInt(HARD_UNITS.length)]);
                        break;
                    case 1:
                        text.appendCodePoint(0x10000 + random.nextInt(0x100000));
                        break;
                    case 2:
                        text.append((char) random.nextInt(0x10000));
                        break;
                    default:
                        text.append((char) ('a' + random.nextInt(26)));
                        break;
                }
            }
            // A NUL in most very long strings would cut them short: keep the long ones whole.
            out.add(length > 1000 ? text.toString().replace('\0', 'z') : text.toString());
        }
        return out;
    }

    /** The text before its first NUL. */
    public static String beforeNul(String text) {
        int nul = text.indexOf('\0');
        return nul < 0 ? text : text.substring(0, nul);
    }
}
