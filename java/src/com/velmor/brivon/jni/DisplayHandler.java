package com.velmor.brivon.jni;

/**
 * What a browser shows: address, title, full-screen mode and console output. Registered with
 * {@link CefLib#setDisplayHandler}; called on the pumping thread.
 */
public interface DisplayHandler {
    void onAddressChange(long browserId, long frameId, String url);

    void onTitleChange(long browserId, String title);

    void onFullScreenModeChange(long browserId, boolean fullScreen);

    /**
     * A page wrote to its console. The message counts as handled: the engine does not log it.
     *
     * @param level the engine's log severity number
     */
    void onConsoleMessage(long browserId, int level, String message, String source, int line);
}
