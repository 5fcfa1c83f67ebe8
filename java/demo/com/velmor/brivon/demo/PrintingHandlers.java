package com.velmor.brivon.demo;

import com.velmor.brivon.jni.ByteArrayResponse;
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
import java.io.PrintStream;
import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.util.Arrays;
import java.util.concurrent.atomic.AtomicInteger;

/**
 * One object for all nine handler slots that prints every call and answers with the permissive
 * choice: popups, navigations and downloads are allowed, queries are answered with their own text.
 */
final class PrintingHandlers implements LoadHandler, RenderHandler, MessageRouterHandler, DisplayHandler,
        DownloadHandler, LifeSpanHandler, RequestHandler, ResourceHandler, ContextMenuHandler {
    private final PrintStream out;
    // Resource requests arrive on engine loading threads, everything else on the pumping thread.
    private final AtomicInteger calls = new AtomicInteger();

    PrintingHandlers(PrintStream out) {
        this.out = out;
    }

    private int loadsFinished;

    int callCount() {
        return calls.get();
    }

    /** How often a browser's loading ended (the loading state turned false). */
    int loadsFinished() {
        return loadsFinished;
    }

    private void print(String call) {
        calls.incrementAndGet();
        out.println("  callback " + call);
    }

    // LoadHandler

    @Override
    public void onLoadingStateChange(long browserId, boolean isLoading, boolean canGoBack, boolean canGoForward) {
        if (!isLoading) {
            loadsFinished++;
        }
        print("onLoadingStateChange(" + browserId + ", loading=" + isLoading + ", back=" + canGoBack
                + ", forward=" + canGoForward + ")");
    }

    @Override
    public void onLoadStart(long browserId, long frameId) {
        print("onLoadStart(" + browserId + ", frame " + frameId + ")");
    }

    @Override
    public void onLoadEnd(long browserId, long frameId) {
        print("onLoadEnd(" + browserId + ", frame " + frameId + ")");
    }

    @Override
    public void onLoadError(long browserId, long frameId, int errorCode) {
        print("onLoadError(" + browserId + ", frame " + frameId + ", error " + errorCode + ")");
    }

    // RenderHandler

    @Override
    public void onPaint(long browserId, boolean popup, int width, int height, ByteBuffer pixels, int[] dirtyRects) {
        print("onPaint(" + browserId + ", popup=" + popup + ", " + width + "x" + height + ", "
                + pixels.capacity() + " bytes, dirty " + Arrays.toString(dirtyRects) + ")");
    }

    @Override
    public void onPopupShow(long browserId, boolean show) {
        print("onPopupShow(" + browserId + ", " + show + ")");
    }

    @Override
    public void onCursorChange(long browserId, int cursorType) {
        print("onCursorChange(" + browserId + ", " + cursorType + ")");
    }

    @Override
    public void onStartDragging(long browserId, int allowedOperations) {
        print("onStartDragging(" + browserId + ", operations " + allowedOperations + ")");
    }

    @Override
    public void onUpdateDragCursor(long browserId, int operation) {
        print("onUpdateDragCursor(" + browserId + ", " + operation + ")");
    }

    // MessageRouterHandler

    @Override
    public void onQuery(long browserId, long frameId, long queryId, String request) {
        print("onQuery(" + browserId + ", frame " + frameId + ", query " + queryId + ", \"" + request + "\")");
        CefLib.javaQuerySuccess(queryId, request);
    }

    @Override
    public void onQueryCanceled(long browserId, long frameId, long queryId) {
        print("onQueryCanceled(" + browserId + ", frame " + frameId + ", query " + queryId + ")");
    }

    // DisplayHandler

    @Override
    public void onAddressChange(long browserId, long frameId, String url) {
        print("onAddressChange(" + browserId + ", frame " + frameId + ", " + url + ")");
    }

    @Override
    public void onTitleChange(long browserId, String title) {
        print("onTitleChange(" + browserId + ", \"" + title + "\")");
    }

    @Override
    public void onFullScreenModeChange(long browserId, boolean fullScreen) {
        print("onFullScreenModeChange(" + browserId + ", " + fullScreen + ")");
    }

    @Override
    public void onConsoleMessage(long browserId, int level, String message, String source, int line) {
        print("onConsoleMessage(" + browserId + ", level " + level + ", \"" + message + "\", " + source + ":" + line + ")");
    }

    // DownloadHandler

    @Override
    public boolean onBeforeDownload(long browserId, long downloadId, String suggestedName, String url) {
        print("onBeforeDownload(" + browserId + ", download " + downloadId + ", " + suggestedName + ", " + url + ")");
        return true;
    }

    @Override
    public void onInternalDownload(long browserId, long downloadId, String downloadPath) {
        print("onInternalDownload(" + browserId + ", download " + downloadId + ", \"" + downloadPath + "\")");
    }

    @Override
    public boolean onDownloadUpdated(DownloadItem item) {
        print("onDownloadUpdated(" + item + ")");
        return true;
    }

    // LifeSpanHandler

    @Override
    public boolean onBeforePopup(long openerBrowserId, int disposition, String targetUrl) {
        print("onBeforePopup(" + openerBrowserId + ", disposition " + disposition + ", " + targetUrl + ")");
        return false;
    }

    @Override
    public void onAfterCreated(long browserId) {
        print("onAfterCreated(" + browserId + ")");
    }

    // RequestHandler

    @Override
    public boolean onBeforeBrowse(long browserId, long frameId, String url) {
        print("onBeforeBrowse(" + browserId + ", frame " + frameId + ", " + url + ")");
        return false;
    }

    // ResourceHandler

    @Override
    public ResourceResponse createRequest(String url) {
        print("createRequest(" + url + ") on " + Thread.currentThread().getName());
        byte[] page = ("<html><body>Served by the demo for " + url + "</body></html>").getBytes(StandardCharsets.UTF_8);
        return new ByteArrayResponse(200, "text/html", page);
    }

    // ContextMenuHandler

    @Override
    public void runContextMenu(long browserId, long frameId, int x, int y, int[] commandIds, boolean[] enabled) {
        print("runContextMenu(" + browserId + ", frame " + frameId + ", at " + x + "," + y + ", commands "
                + Arrays.toString(commandIds) + ", enabled " + Arrays.toString(enabled) + ")");
    }
}
