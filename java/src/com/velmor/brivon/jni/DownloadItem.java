package com.velmor.brivon.jni;

/**
 * One snapshot of a download's progress, built afresh by the library for every update and passed
 * to {@link DownloadHandler#onDownloadUpdated(DownloadItem)}. The library fills it through the
 * setters; an item the engine reports as invalid arrives as constructed.
 */
public class DownloadItem {
    public static final int STATE_IN_PROGRESS = 0;
    public static final int STATE_COMPLETE = 1;
    public static final int STATE_CANCELED = -1;
    /** Neither in progress, complete nor cancelled, e.g. interrupted, or no information. */
    public static final int STATE_UNKNOWN = -2;

    private long id;
    private long browserId;
    private long totalBytes;
    private long receivedBytes;
    private int percentComplete;
    private String savePath = "";
    private int state = STATE_UNKNOWN;

    public DownloadItem() {
    }

    /** Engine's download id; unsigned 32-bit, so never negative. */
    public long getId() {
        return id;
    }

    public void setId(long id) {
        this.id = id;
    }

    public long getBrowserId() {
        return browserId;
    }

    public void setBrowserId(long browserId) {
        this.browserId = browserId;
    }

    /** Total size in bytes as the engine reports it, which may be unknown for a streamed body. */
    public long getTotalBytes() {
        return totalBytes;
    }

    public void setTotalBytes(long totalBytes) {
        this.totalBytes = totalBytes;
    }

    public long getReceivedBytes() {
        return receivedBytes;
    }

    public void setReceivedBytes(long receivedBytes) {
        this.receivedBytes = receivedBytes;
    }

    public int getPercentComplete() {
        return percentComplete;
    }

    public void setPercentComplete(int percentComplete) {
        this.percentComplete = percentComplete;
    }

    /** Full path of the file being written; empty until the user has chosen one. */
    public String getSavePath() {
        return savePath;
    }

    public void setSavePath(String savePath) {
        this.savePath = savePath == null ? "" : savePath;
    }

    /** One of the {@code STATE_} constants. */
    public int getState() {
        return state;
    }

    public void setState(int state) {
        this.state = state;
    }

    @Override
    public String toString() {
        return "DownloadItem[id=" + id + ", browser=" + browserId + ", " + receivedBytes + "/"
                + totalBytes + " bytes, " + percentComplete + "%, state=" + state + ", path="
                + savePath + "]";
    }
}
