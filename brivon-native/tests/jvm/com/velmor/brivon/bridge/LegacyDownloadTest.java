package com.velmor.brivon.bridge;

/**
 * The legacy build: false lets the engine download (true leaves it to Java), every update finds
 * its class and methods anew, and text crosses as UTF-8 the virtual machine can take.
 */
class LegacyDownloadTest extends DownloadCases {
    @Override
    protected String library() {
        return System.getProperty("brivon.legacy.library");
    }

    @Override
    boolean consent() {
        return false;
    }

    @Override
    String received(String engineText) {
        String upToNul = engineText.split("\0", -1)[0];
        StringBuilder out = new StringBuilder();
        upToNul.codePoints().forEach(c -> out.appendCodePoint(c > 0xFFFF ? 0xFFFD : c));
        return out.toString();
    }
}
