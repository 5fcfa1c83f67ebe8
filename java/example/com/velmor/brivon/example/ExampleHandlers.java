package com.velmor.brivon.example;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.ContextMenuHandler;
import com.velmor.brivon.jni.DisplayHandler;
import com.velmor.brivon.jni.DownloadHandler;
import com.velmor.brivon.jni.DownloadItem;
import com.velmor.brivon.jni.LifeSpanHandler;
import com.velmor.brivon.jni.LoadHandler;
import com.velmor.brivon.jni.MessageRouterHandler;
import com.velmor.brivon.jni.RenderHandler;
import com.velmor.brivon.jni.RequestHandler;
import com.velmor.brivon.jni.ResourceHandler;
import com.velmor.brivon.jni.ResourceResponse;
import java.nio.ByteBuffer;
import java.time.LocalTime;
import java.time.temporal.ChronoUnit;
import java.util.Arrays;
import java.util.HashMap;
import java.util.Map;

/**
 * The example's answers to the engine, one object for all nine handler slots. Everything but
 * {@link #createRequest} runs on the pumping thread, so bridge calls made here are safe; what
 * Swing must show goes to the {@link Screen}, which hands it to Swing's thread.
 */
final class ExampleHandlers implements LoadHandler, RenderHandler, MessageRouterHandler, DisplayHandler,
        DownloadHandler, LifeSpanHandler, RequestHandler, ResourceHandler, ContextMenuHandler {
    static final String DOWNLOAD_COMPLETE = "download complete";

    /** What the window shows; called on the pumping thread. Headless runs show nothing. */
    interface Screen {
        default void repaint() {
        }

        default void title(String title) {
        }

        default void address(String url) {
        }

        default void cursor(int cursorType) {
        }

        default void contextMenu(long browserId, int x, int y, int[] commandIds, boolean[] enabled) {
        }

        default void download(String name, int percent, int state) {
        }

        default void dragStarted(long browserId) {
        }
    }

    private final EventLog log;
    private final EngineThread engine;
    private final FrameBuffer frames;
    private final Screen screen;
    private final Map<Long, String> downloadNames = new HashMap<>();

    ExampleHandlers(EventLog log, EngineThread engine, FrameBuffer frames, Screen screen) {
        this.log = log;
        this.engine = engine;
        this.frames = frames;
        this.screen = screen;
    }

    void registerAll() {
        CefLib.setLoadHandler(this);
        CefLib.setRenderHandler(this);
        CefLib.setMessageRouterHandler(this);
        CefLib.setDisplayHandler(this);
        CefLib.setDownloadHandler(this);
        CefLib.setLifeSpanHandler(this);
        CefLib.setRequestHandler(this);
        CefLib.setResourceHandler(this);
        CefLib.setContextMenuHandler(this);
    }

    // LoadHandler

    @Override
    public void onLoadingStateChange(long browserId, boolean isLoading, boolean canGoBack, boolean canGoForward) {
        log.callback("onLoadingStateChange(" + browserId + ", loading=" + isLoading + ", back=" + canGoBack
                + ", forward=" + canGoForward + ")");
        if (!isLoading) {
            String url = CefLib.getMainFrameUrl(browserId);
            engine.submit(() -> engine.hooks().loaded(browserId, url));
        }
    }

    @Override
    public void onLoadStart(long browserId, long frameId) {
        log.callback("onLoadStart(" + browserId + ", frame " + frameId + ")");
    }

    @Override
    public void onLoadEnd(long browserId, long frameId) {
        log.callback("onLoadEnd(" + browserId + ", frame " + frameId + ")");
    }

    @Override
    public void onLoadError(long browserId, long frameId, int errorCode) {
        log.callback("onLoadError(" + browserId + ", frame " + frameId + ", error " + errorCode + ")");
    }

    // RenderHandler

    @Override
    public void onPaint(long browserId, boolean popup, int width, int height, ByteBuffer pixels, int[] dirtyRects) {
        log.callback("onPaint(" + browserId + ", popup=" + popup + ", " + width + "x" + height + ", "
                + dirtyRects.length / 4 + " dirty rectangles)");
        frames.paint(popup, width, height, pixels, dirtyRects);
        screen.repaint();
        log.reached(EventLog.PAINT_RECEIVED, width + "x" + height + (popup ? " popup" : " view"));
    }

    @Override
    public void onPopupShow(long browserId, boolean show) {
        log.callback("onPopupShow(" + browserId + ", " + show + ")");
        frames.showPopup(show);
        screen.repaint();
    }

    @Override
    public void onCursorChange(long browserId, int cursorType) {
        log.callback("onCursorChange(" + browserId + ", " + cursorType + ")");
        screen.cursor(cursorType);
    }

    @Override
    public void onStartDragging(long browserId, int allowedOperations) {
        log.callback("onStartDragging(" + browserId + ", operations " + allowedOperations + ")");
        screen.dragStarted(browserId);
    }

    @Override
    public void onUpdateDragCursor(long browserId, int operation) {
        log.callback("onUpdateDragCursor(" + browserId + ", " + operation + ")");
    }

    // MessageRouterHandler: the questions the example's page asks.

    @Override
    public void onQuery(long browserId, long frameId, long queryId, String request) {
        log.callback("onQuery(" + browserId + ", frame " + frameId + ", query " + queryId + ", \"" + request + "\")");
        String answer;
        switch (String.valueOf(request)) {
            case "version":
                answer = CefLib.getVersion().toString();
                break;
            case "java":
                answer = "Java " + System.getProperty("java.version") + " from " + System.getProperty("java.vendor");
                break;
            case "time":
                answer = LocalTime.now().truncatedTo(ChronoUnit.SECONDS).toString();
                break;
            default:
                CefLib.javaQueryFailure(queryId, 404, "no answer to \"" + request + "\"");
                return;
        }
        CefLib.javaQuerySuccess(queryId, answer);
        log.reached(EventLog.QUERY_ANSWERED, request + " -> " + answer);
    }

    @Override
    public void onQueryCanceled(long browserId, long frameId, long queryId) {
        log.callback("onQueryCanceled(" + browserId + ", frame " + frameId + ", query " + queryId + ")");
    }

    // DisplayHandler

    @Override
    public void onAddressChange(long browserId, long frameId, String url) {
        log.callback("onAddressChange(" + browserId + ", frame " + frameId + ", " + url + ")");
        screen.address(url);
    }

    @Override
    public void onTitleChange(long browserId, String title) {
        log.callback("onTitleChange(" + browserId + ", \"" + title + "\")");
        screen.title(title);
    }

    @Override
    public void onFullScreenModeChange(long browserId, boolean fullScreen) {
        log.callback("onFullScreenModeChange(" + browserId + ", " + fullScreen + ")");
    }

    @Override
    public void onConsoleMessage(long browserId, int level, String message, String source, int line) {
        log.callback("onConsoleMessage(" + browserId + ", level " + level + ", \"" + message + "\", " + source + ":" + line + ")");
    }

    // DownloadHandler

    @Override
    public boolean onBeforeDownload(long browserId, long downloadId, String suggestedName, String url) {
        log.callback("onBeforeDownload(" + browserId + ", download " + downloadId + ", " + suggestedName + ", " + url + ")");
        downloadNames.put(downloadId, suggestedName);
        return true;
    }

    @Override
    public void onInternalDownload(long browserId, long downloadId, String downloadPath) {
        log.callback("onInternalDownload(" + browserId + ", download " + downloadId + ", \"" + downloadPath + "\")");
    }

    @Override
    public boolean onDownloadUpdated(DownloadItem item) {
        log.callback("onDownloadUpdated(" + item + ")");
        String name = downloadNames.getOrDefault(item.getId(), "download " + item.getId());
        screen.download(name, item.getPercentComplete(), item.getState());
        if (item.getState() == DownloadItem.STATE_COMPLETE) {
            log.reached(DOWNLOAD_COMPLETE, item.getReceivedBytes() + " bytes in " + item.getSavePath());
        }
        return true;
    }

    // LifeSpanHandler

    /** Popups open in the one view instead: a browser of their own would need a window of its own. */
    @Override
    public boolean onBeforePopup(long openerBrowserId, int disposition, String targetUrl) {
        log.callback("onBeforePopup(" + openerBrowserId + ", disposition " + disposition + ", " + targetUrl + ")");
        engine.loadUrl(openerBrowserId, targetUrl);
        return true;
    }

    @Override
    public void onAfterCreated(long browserId) {
        log.callback("onAfterCreated(" + browserId + ")");
        engine.adopt(browserId);
    }

    // RequestHandler

    @Override
    public boolean onBeforeBrowse(long browserId, long frameId, String url) {
        log.callback("onBeforeBrowse(" + browserId + ", frame " + frameId + ", " + url + ")");
        return false;
    }

    // ResourceHandler: on the engine's loading threads.

    @Override
    public ResourceResponse createRequest(String url) {
        log.callback("createRequest(" + url + ") on " + Thread.currentThread().getName());
        return JarPages.respond(url, log);
    }

    // ContextMenuHandler

    @Override
    public void runContextMenu(long browserId, long frameId, int x, int y, int[] commandIds, boolean[] enabled) {
        log.callback("runContextMenu(" + browserId + ", frame " + frameId + ", at " + x + "," + y + ", commands "
                + Arrays.toString(commandIds) + ", enabled " + Arrays.toString(enabled) + ")");
        screen.contextMenu(browserId, x, y, commandIds, enabled);
    }
}
