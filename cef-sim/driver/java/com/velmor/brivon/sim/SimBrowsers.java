package com.velmor.brivon.sim;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

/**
 * What the client did to the engine's browsers, read back. Ids are the engine's browser
 * ids; an unknown id reads as 0, empty, false or null. Snapshots: later changes do not
 * show in a list already returned.
 */
public final class SimBrowsers {
    private SimBrowsers() {
    }

    /** One {@code ExecuteJavaScript} that reached a frame. */
    public static final class Script {
        public final long frameId;
        public final String code;
        public final String url;
        public final int line;

        private Script(long frameId, String code, String url, int line) {
            this.frameId = frameId;
            this.code = code;
            this.url = url;
            this.line = line;
        }

        @Override
        public String toString() {
            return "frame " + frameId + ": " + code + " (" + url + ":" + line + ")";
        }
    }

    /** The window information a browser was created with. */
    public static final class WindowInfo {
        public final boolean windowless;
        public final long style;
        public final int x;
        public final int y;
        public final int width;
        public final int height;
        public final long parentWindow;

        private WindowInfo(boolean windowless, long style, int[] rect, long parentWindow) {
            this.windowless = windowless;
            this.style = style;
            this.x = rect[0];
            this.y = rect[1];
            this.width = rect[2];
            this.height = rect[3];
            this.parentWindow = parentWindow;
        }
    }

    /** The browser settings a browser was created with. */
    public static final class BrowserSettings {
        public final int windowlessFrameRate;
        /** The unsigned 32-bit ARGB value, for example {@code 0x01FFFFFFL}. */
        public final long backgroundColor;

        private BrowserSettings(int windowlessFrameRate, long backgroundColor) {
            this.windowlessFrameRate = windowlessFrameRate;
            this.backgroundColor = backgroundColor;
        }
    }

    /**
     * Browsers created and not yet past {@code OnBeforeClose}, in creation order, popups and
     * DevTools browsers included.
     */
    public static native int[] ids();

    /** {@code OnBeforeClose} was delivered. */
    public static native boolean closed(int id);

    /** Calls of {@code CloseBrowser} on the browser's host. */
    public static native int closeRequests(int id);

    /** The opener's id for a popup, 0 otherwise. */
    public static native int openerOf(int id);

    public static native long mainFrameId(int id);

    /** The main frame first, then the current subframes in document order. */
    public static native long[] frameIds(int id);

    /** The frame's committed address; null when no live frame has that id. */
    public static native String frameUrl(long frameId);

    /** Every {@code ExecuteJavaScript} that reached a frame of the browser, in order. */
    public static List<Script> scripts(int id) {
        Object[] snapshot = scriptsSnapshot(id);
        long[] frames = (long[]) snapshot[0];
        String[] codes = (String[]) snapshot[1];
        String[] urls = (String[]) snapshot[2];
        int[] lines = (int[]) snapshot[3];
        List<Script> out = new ArrayList<>();
        for (int i = 0; i < frames.length; i++) {
            out.add(new Script(frames[i], codes[i], urls[i], lines[i]));
        }
        return Collections.unmodifiableList(out);
    }

    /** Each answer of the render handler's {@code GetViewRect}: {x, y, width, height}. */
    public static List<int[]> viewRectsAsked(int id) {
        return rects(viewRectsSnapshot(id));
    }

    /**
     * Asks the render handler's {@code GetViewRect} now, as the engine does when it lays the
     * view out, and records the answer; null for an unknown or closed browser or one without
     * a render handler. Call on the pumping thread.
     */
    public static native int[] askViewRect(int id);

    /** What the browser was created with; null for an unknown id. */
    public static WindowInfo windowInfo(int id) {
        long[] v = windowInfoSnapshot(id);
        if (v == null) {
            return null;
        }
        return new WindowInfo(v[0] != 0, v[1],
                new int[] {(int) v[2], (int) v[3], (int) v[4], (int) v[5]}, v[6]);
    }

    /** What the browser was created with; null for an unknown id. */
    public static BrowserSettings browserSettings(int id) {
        long[] v = browserSettingsSnapshot(id);
        return v == null ? null : new BrowserSettings((int) v[0], v[1]);
    }

    public static native double zoomLevel(int id);

    /** The id of its DevTools browser, 0 when none is open. */
    public static native int devToolsOf(int id);

    public static native int showDevToolsCalls(int id);

    /** The browser's own window handle, 0 for a windowless browser. */
    public static native long childWindow(int id);

    /** A new value the stand-in knows as a native window, at 0, 0 and empty. */
    public static native long makeNativeWindow();

    /** {x, y, width, height} relative to its parent; null for an unknown handle. */
    public static native int[] nativeWindowRect(long hwnd);

    /** 0 for a top-level window or an unknown handle. */
    public static native long nativeWindowParent(long hwnd);

    /** Messages the engine wrote to its own log because {@code OnConsoleMessage} said false. */
    public static List<String> engineLoggedConsoleMessages() {
        List<String> out = new ArrayList<>();
        Collections.addAll(out, engineLoggedConsoleMessagesSnapshot());
        return Collections.unmodifiableList(out);
    }

    /** Browsers still open when {@code CefShutdown} ran; the engine expects none. */
    public static native int openAtShutdown();

    private static List<int[]> rects(int[] flat) {
        List<int[]> out = new ArrayList<>();
        for (int i = 0; i + 3 < flat.length; i += 4) {
            out.add(new int[] {flat[i], flat[i + 1], flat[i + 2], flat[i + 3]});
        }
        return Collections.unmodifiableList(out);
    }

    private static native Object[] scriptsSnapshot(int id);

    private static native int[] viewRectsSnapshot(int id);

    private static native long[] windowInfoSnapshot(int id);

    private static native long[] browserSettingsSnapshot(int id);

    private static native String[] engineLoggedConsoleMessagesSnapshot();
}
