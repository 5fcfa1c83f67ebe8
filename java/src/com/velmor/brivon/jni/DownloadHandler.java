package com.velmor.brivon.jni;

/**
 * Downloads started by pages, registered with {@link CefLib#setDownloadHandler}. Called on the
 * pumping thread. The library keeps the methods of the first handler class it sees, so every
 * download handler a client registers must be of one class.
 */
public interface DownloadHandler {
    /**
     * @return true to let the engine download, asking the user where to save; false to leave the
     *     download to the client (nothing more is reported for it)
     */
    boolean onBeforeDownload(long browserId, long downloadId, String suggestedName, String url);

    /** The engine took the download over; {@code downloadPath} is always empty. */
    void onInternalDownload(long browserId, long downloadId, String downloadPath);

    /** @return false to cancel the download */
    boolean onDownloadUpdated(DownloadItem item);
}
