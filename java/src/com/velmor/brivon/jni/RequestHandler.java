package com.velmor.brivon.jni;

/** Navigation decisions, registered with {@link CefLib#setRequestHandler}. Called on the pumping thread. */
public interface RequestHandler {
    /** @return true to cancel the navigation, false to let it proceed */
    boolean onBeforeBrowse(long browserId, long frameId, String url);
}
