package com.velmor.brivon.jni;

import java.io.File;

/**
 * The native entry points of the bridge library. Load the library once with {@link #load(String)}
 * before calling anything else.
 *
 * <p>Threading: {@link #getVersion()} may be called from any thread; everything else belongs to
 * the pumping thread, the thread that calls {@link #init(CefSettings)} and then
 * {@link #doMessageLoopWork()} again and again. The library keeps no locks.
 *
 * <p>Order of use: register all nine handlers, {@code init}, pump, create and use browsers, close
 * every browser and keep pumping until each id stops naming a browser, {@code shutdown}.
 *
 * <p>A method given a browser id that names no browser does nothing and returns its not-found
 * value, which each method states.
 */
public final class CefLib {
    private CefLib() {
    }

    /**
     * Loads the bridge library. Loading the same file again is harmless.
     *
     * @param absolutePathOfLibrary the library file, e.g. {@code /opt/app/libbrivon.so} or
     *     {@code C:\app\brivon.dll}
     * @throws IllegalArgumentException when the path is not absolute
     * @throws UnsatisfiedLinkError when the file cannot be loaded
     */
    public static void load(String absolutePathOfLibrary) {
        if (absolutePathOfLibrary == null || !new File(absolutePathOfLibrary).isAbsolute()) {
            throw new IllegalArgumentException("not an absolute library path: " + absolutePathOfLibrary);
        }
        System.load(absolutePathOfLibrary);
    }

    // ---- Handler registration: replaces the slot's previous object; null empties the slot.

    /** Registers the object that hears of loading progress. */
    public static native void setLoadHandler(LoadHandler handler);

    /** Registers the object that receives paints, popup-widget events, cursor changes and drags. */
    public static native void setRenderHandler(RenderHandler handler);

    /** Registers the object that answers {@code window.javaQuery} calls of pages. */
    public static native void setMessageRouterHandler(MessageRouterHandler handler);

    /** Registers the object that hears of address, title, full-screen and console changes. */
    public static native void setDisplayHandler(DisplayHandler handler);

    /** Registers the object that decides about downloads and follows their progress. */
    public static native void setDownloadHandler(DownloadHandler handler);

    /** Registers the object that decides about popups and hears of new browsers. */
    public static native void setLifeSpanHandler(LifeSpanHandler handler);

    /** Registers the object that may cancel navigations. */
    public static native void setRequestHandler(RequestHandler handler);

    /** Registers the object that serves the custom schemes and reserved hosts. */
    public static native void setResourceHandler(ResourceHandler handler);

    /** Registers the object that shows context menus. */
    public static native void setContextMenuHandler(ContextMenuHandler handler);

    // ---- Engine life cycle.

    /** Version of the loaded engine; may be called at any time, before {@code init} too. */
    public static native CefVersion getVersion();

    /**
     * Starts the engine in this process; the calling thread becomes the pumping thread. Nothing
     * tells whether the engine started: later calls simply have no effect if it did not. Call once
     * per process.
     */
    public static native void init(CefSettings settings);

    /** Does the engine's pending work once; every handler callback except resources runs inside. */
    public static native void doMessageLoopWork();

    /**
     * Stops the engine and lets go of every handler and browser. Close all browsers first. The
     * engine cannot be started again in the same process.
     */
    public static native void shutdown();

    // ---- Browser creation and closing.

    /**
     * Creates an off-screen browser with a 400 × 400 view and no page; its frames arrive through
     * {@link RenderHandler#onPaint}.
     *
     * @return the new browser's id
     */
    public static native long createBrowser();

    /**
     * Creates a browser that draws into a new child window of {@code parentWindow}, placed at the
     * given rectangle of the parent's client area.
     *
     * @return the new browser's id, or -1 when {@code parentWindow} is not a window
     */
    public static native long createBrowserAsChild(long parentWindow, int left, int top, int right, int bottom);

    /**
     * Asks the engine to close the browser. The id stays valid until the engine has closed it; no
     * callback reports the close.
     */
    public static native void closeBrowser(long browserId, boolean forceClose);

    // ---- Browser operations.

    /** Whether the browser was created by the engine (a popup, DevTools) rather than by the client; false if not found. */
    public static native boolean isNoManaged(long browserId);

    /** Whether the browser has a document loaded; false if not found. */
    public static native boolean hasDocument(long browserId);

    /** Whether the browser is a popup; false if not found. */
    public static native boolean isPopup(long browserId);

    /** Native window of the browser; 0 for an off-screen browser and if not found. */
    public static native long getWindowHandle(long browserId);

    /** Native window of the browser that opened this one; 0 if none or not found. */
    public static native long getOpenerWindowHandle(long browserId);

    /** Opens a DevTools window for the browser, unless one is open already. */
    public static native void showDevTools(long browserId);

    /** Sets the zoom level (0.0 is 100 %). */
    public static native void setZoomLevel(long browserId, double zoomLevel);

    /** Current zoom level; 0.0 if not found. */
    public static native double getZoomLevel(long browserId);

    /** Navigates the main frame to {@code url}. */
    public static native void loadUrl(long browserId, String url);

    /** Shows {@code text} as the main frame's document at address {@code url}. */
    public static native void loadString(long browserId, String text, String url);

    /** Id of the main frame; -1 if not found. */
    public static native long getMainFrame(long browserId);

    /** Address of the main frame, "" when it has none; null if the browser is not found. */
    public static native String getMainFrameUrl(long browserId);

    /** Reloads the page, unless it is still loading. */
    public static native void reload(long browserId);

    /** Reloads the page bypassing the cache, unless it is still loading. */
    public static native void reloadIgnoreCache(long browserId);

    /** Goes forward in history; does nothing visible at the end of history. */
    public static native void goForward(long browserId);

    /** Goes back in history; does nothing visible at the start of history. */
    public static native void goBack(long browserId);

    /** Stops loading. */
    public static native void stopLoad(long browserId);

    // ---- Scripts.

    /** Runs {@code script} once, now, in the browser's main frame. */
    public static native void executeJavaScript(long browserId, String script);

    /**
     * Stores {@code script} to run in every frame of the browser each time a frame finishes
     * loading, replacing the script stored before; an empty script stops it. The id need not name
     * a browser yet. Despite the name the text is JavaScript: to add styles, pass a script that
     * adds them.
     */
    public static native void addCss(long browserId, String script);

    // ---- Input of off-screen browsers.

    /** Sets the view size; the engine lays out and repaints. */
    public static native void resize(long browserId, int width, int height);

    /**
     * Presses or releases a mouse button at x, y (always a single click, no modifiers).
     *
     * @param button 0 left, 1 middle, 2 right
     */
    public static native void sendMouseClickEvent(long browserId, int x, int y, int button, boolean mouseUp);

    /**
     * Moves the mouse to x, y, or tells that it left the view.
     *
     * @param modifiers the engine's event-flag bits, e.g. 16 while the left button is held
     */
    public static native void sendMouseMoveEvent(long browserId, int x, int y, int modifiers, boolean mouseLeave);

    /** Turns the wheel at x, y by the given deltas. */
    public static native void sendMouseWheelEvent(long browserId, int x, int y, int deltaX, int deltaY);

    /**
     * Sends a key event. The event carries no character: for a character event (type 3) pass the
     * UTF-16 code unit as {@code windowsKeyCode}.
     *
     * @param type 0 raw key down, 1 key down, 2 key up, 3 character
     */
    public static native void sendKeyEvent(long browserId, int type, int modifiers, int windowsKeyCode,
            int nativeKeyCode, boolean systemKey);

    // ---- Drag and drop into off-screen browsers.

    /** Starts dragging plain {@code text} into the page at x, y. */
    public static native void dragTargetDragEnter(long browserId, int x, int y, String text);

    /** Moves the current drag to x, y; the page answers through {@link RenderHandler#onUpdateDragCursor}. */
    public static native void dragTargetDragOver(long browserId, int x, int y);

    /** Drops the current drag at x, y and ends it. */
    public static native void dragTargetDrop(long browserId, int x, int y);

    // ---- Answers to page queries. Answer each query once, on the pumping thread.

    /** Answers the query with {@code response}; the page's onSuccess runs. Unknown or answered ids are ignored. */
    public static native void javaQuerySuccess(long queryId, String response);

    /** Fails the query; the page's onFailure runs with the code and message. Unknown or answered ids are ignored. */
    public static native void javaQueryFailure(long queryId, int errorCode, String errorMessage);
}
