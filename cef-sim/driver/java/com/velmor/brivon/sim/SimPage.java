package com.velmor.brivon.sim;

/**
 * Makes the page shown in a browser act, as its script would. The engine hears of each
 * action in a later loop iteration, as of a renderer's message; pump to see its effects.
 * Each method returns false when the browser is unknown or already closed.
 */
public final class SimPage {
    private SimPage() {
    }

    /**
     * The main frame calls {@code window.open(url)} (a new foreground tab), or with features
     * {@code window.open(url, "", "width=300,height=200")} (a popup), with a user gesture.
     */
    public static boolean windowOpen(int browserId, String url, boolean withFeatures) {
        return url != null && nativeWindowOpen(browserId, url, withFeatures);
    }

    /** {@code console.log} and its kin: level is the engine's log severity. */
    public static boolean consoleLog(int browserId, int level, String message, String source,
            int line) {
        return message != null && source != null
                && nativeConsoleLog(browserId, level, message, source, line);
    }

    /** The page enters or leaves full screen. */
    public static native boolean fullscreen(int browserId, boolean on);

    /**
     * Subframe {@code index} (document order) navigates within the same frame object, so it
     * keeps its identifier.
     */
    public static boolean navigateSubframe(int browserId, int index, String url) {
        return url != null && nativeNavigateSubframe(browserId, index, url);
    }

    /** {@code document.title} changes. */
    public static boolean setTitle(int browserId, String title) {
        return title != null && nativeSetTitle(browserId, title);
    }

    private static native boolean nativeWindowOpen(int browserId, String url,
            boolean withFeatures);

    private static native boolean nativeConsoleLog(int browserId, int level, String message,
            String source, int line);

    private static native boolean nativeNavigateSubframe(int browserId, int index, String url);

    private static native boolean nativeSetTitle(int browserId, String title);
}
