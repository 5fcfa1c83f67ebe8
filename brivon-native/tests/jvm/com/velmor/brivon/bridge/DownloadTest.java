package com.velmor.brivon.bridge;

/** The main build: true lets the engine download; text crosses as UTF-16 unchanged. */
class DownloadTest extends DownloadCases {
    @Override
    protected String library() {
        return System.getProperty("brivon.library");
    }

    @Override
    boolean consent() {
        return true;
    }

    @Override
    String received(String engineText) {
        return engineText;
    }
}
