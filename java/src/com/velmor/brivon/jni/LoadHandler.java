package com.velmor.brivon.jni;

/**
 * Loading progress of every browser, registered with {@link CefLib#setLoadHandler}. Called on
 * the pumping thread, inside {@link CefLib#doMessageLoopWork()}.
 */
public interface LoadHandler {
    void onLoadingStateChange(long browserId, boolean isLoading, boolean canGoBack, boolean canGoForward);

    void onLoadStart(long browserId, long frameId);

    /** Comes after the browser's load-end script (see {@link CefLib#addCss}) has run in the frame. */
    void onLoadEnd(long browserId, long frameId);

    /** @param errorCode the engine's (negative) network error number, e.g. -105 for an unknown host */
    void onLoadError(long browserId, long frameId, int errorCode);
}
