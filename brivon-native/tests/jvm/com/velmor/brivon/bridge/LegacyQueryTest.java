package com.velmor.brivon.bridge;

/**
 * Queries through the legacy build: the request reaches Java through NewStringUTF, so it ends at
 * its first NUL and each character beyond the Basic Multilingual Plane becomes U+FFFD; answers
 * are read as the virtual machine's UTF-8 and reach the page as in the main build.
 */
class LegacyQueryTest extends QueryTest {
    @Override
    protected String library() {
        return System.getProperty("brivon.legacy.probe.library");
    }

    @Override
    String requestSeen(String sent) {
        String upToNul = sent.split("\0", -1)[0];
        StringBuilder out = new StringBuilder();
        upToNul.codePoints().forEach(c -> out.appendCodePoint(c > 0xFFFF ? 0xFFFD : c));
        return out.toString();
    }
}
