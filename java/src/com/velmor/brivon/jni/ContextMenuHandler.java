package com.velmor.brivon.jni;

/**
 * Context menus, registered with {@link CefLib#setContextMenuHandler}; the engine shows none of
 * its own. Called on the pumping thread.
 */
public interface ContextMenuHandler {
    /**
     * A page asked for a context menu at x, y (view coordinates). The choice cannot be reported
     * back as a menu command: carry it out with the other methods of {@link CefLib}.
     *
     * @param commandIds the engine's command ids of the top-level items, in menu order
     * @param enabled whether each item is enabled, parallel to {@code commandIds}
     */
    void runContextMenu(long browserId, long frameId, int x, int y, int[] commandIds, boolean[] enabled);
}
