package com.velmor.brivon.jni;

/**
 * Version of the loaded engine and of the Chromium it is built on, as returned by
 * {@link CefLib#getVersion()}. The library fills the fields by name, so they stay public and
 * mutable.
 */
public class CefVersion {
    public int cefVersionMajor;
    public int cefVersionMinor;
    public int cefVersionPatch;
    public int cefCommitNumber;
    public int chromeVersionMajor;
    public int chromeVersionMinor;
    public int chromeVersionBuild;
    public int chromeVersionPatch;

    public CefVersion() {
    }

    @Override
    public String toString() {
        return "CEF " + cefVersionMajor + "." + cefVersionMinor + "." + cefVersionPatch
                + " (commit " + cefCommitNumber + "), Chromium " + chromeVersionMajor + "."
                + chromeVersionMinor + "." + chromeVersionBuild + "." + chromeVersionPatch;
    }
}
