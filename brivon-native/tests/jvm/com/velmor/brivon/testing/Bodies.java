package com.velmor.brivon.testing;

/** Response bodies whose bytes depend on their key, so that one served in place of another shows. */
public final class Bodies {
    private Bodies() {
    }

    /** `size` pseudo-random bytes seeded by the key. */
    public static byte[] patterned(String key, int size) {
        byte[] body = new byte[size];
        int seed = key.hashCode();
        for (int i = 0; i < size; i++) {
            seed = seed * 1103515245 + 12345;
            body[i] = (byte) (seed >>> 16);
        }
        return body;
    }
}
