package com.velmor.brivon.bridge;

/** The main build: every character crosses unchanged, NUL and beyond the BMP included. */
class CallbackTextTest extends CallbackTextCases {
    @Override
    protected String library() {
        return System.getProperty("brivon.library");
    }

    @Override
    String received(String engineText) {
        return engineText;
    }
}
