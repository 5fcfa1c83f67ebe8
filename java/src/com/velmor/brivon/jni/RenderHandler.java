package com.velmor.brivon.jni;

import java.nio.ByteBuffer;

/**
 * Painting, popup widgets, cursors and drags of off-screen browsers, registered with
 * {@link CefLib#setRenderHandler}. Called on the pumping thread.
 */
public interface RenderHandler {
    /**
     * A frame was painted.
     *
     * @param popup true for the popup widget (an open select list and the like), false for the view
     * @param pixels width × height × 4 bytes, B, G, R, A per pixel, rows top to bottom; the
     *     engine's own memory, valid only during this call: copy it before returning
     * @param dirtyRects x, y, width, height of each dirty rectangle in turn; for a popup paint,
     *     the popup's position in the view, repeated once per dirty rectangle
     */
    void onPaint(long browserId, boolean popup, int width, int height, ByteBuffer pixels, int[] dirtyRects);

    void onPopupShow(long browserId, boolean show);

    /** @param cursorType the engine's cursor type number */
    void onCursorChange(long browserId, int cursorType);

    /**
     * A drag started in the page; the browser is already its own drop target. Feed positions
     * with {@link CefLib#dragTargetDragOver} and finish with {@link CefLib#dragTargetDrop}.
     *
     * @param allowedOperations the engine's drag-operation mask
     */
    void onStartDragging(long browserId, int allowedOperations);

    /** @param operation the drag operation the current drop target accepts */
    void onUpdateDragCursor(long browserId, int operation);
}
