package com.velmor.brivon.bridge;

/**
 * The legacy build: text crosses as UTF-8 the virtual machine's NewStringUTF can take. It ends at
 * the first NUL, and each character beyond the Basic Multilingual Plane becomes U+FFFD while the
 * rest arrives whole.
 */
class LegacyCallbackTextTest extends CallbackTextCases {
    @Override
    protected String library() {
        return System.getProperty("brivon.legacy.library");
    }

    @Override
    String received(String engineText) {
        String upToNul = engineText.split("\0", -1)[0];
        StringBuilder out = new StringBuilder();
        upToNul.codePoints().forEach(c -> out.appendCodePoint(c > 0xFFFF ? 0xFFFD : c));
        return out.toString();
    }
}
