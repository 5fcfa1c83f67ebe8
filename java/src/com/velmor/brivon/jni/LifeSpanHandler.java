package com.velmor.brivon.jni;

/** Popups and new browsers, registered with {@link CefLib#setLifeSpanHandler}. Called on the pumping thread. */
public interface LifeSpanHandler {
    /**
     * A page wants to open a popup.
     *
     * @param disposition the engine's window-open disposition number
     * @return true to block the popup, false to let the engine create it as a further browser
     */
    boolean onBeforePopup(long openerBrowserId, int disposition, String targetUrl);

    /** A browser exists: one the client created, a popup, or a DevTools window. */
    void onAfterCreated(long browserId);
}
