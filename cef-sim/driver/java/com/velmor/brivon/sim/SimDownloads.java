package com.velmor.brivon.sim;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

/**
 * Downloads a page starts, the user's answer to the engine's Save dialog, the network's progress,
 * and what the client made of each download. Each step reaches the client in a later loop
 * iteration; pump to see it. Download ids are the engine's unsigned 32-bit ids, as longs.
 * Methods returning boolean return false for an unknown download or one that cannot take the
 * step.
 */
public final class SimDownloads {
    /** {@link Record#stage} values. */
    public static final int ASKING = 0;
    public static final int NOT_STARTED = 1;
    public static final int SAVE_DIALOG = 2;
    public static final int IN_PROGRESS = 3;
    public static final int COMPLETE = 4;
    public static final int CANCELED = 5;
    public static final int INTERRUPTED = 6;
    public static final int REMOVED = 7;

    private SimDownloads() {
    }

    /**
     * The main frame's page starts downloading url, which the server names suggestedName;
     * totalBytes below 0: unknown size. The download id, or 0 for an unknown or closed browser.
     */
    public static long start(int browserId, String url, String suggestedName, long totalBytes) {
        if (url == null || suggestedName == null) {
            return 0;
        }
        return nativeStart(browserId, url, suggestedName, totalBytes);
    }

    /** The id the next download gets (an unsigned 32-bit value). */
    public static native void setNextId(long id);

    /** The user picks this path in the Save dialog. */
    public static boolean chooseSavePath(long id, String path) {
        return path != null && nativeChooseSavePath(id, path);
    }

    /** The user cancels the Save dialog, and with it the download. */
    public static native boolean cancelSaveDialog(long id);

    /**
     * More of the body arrived: received bytes so far. Also while the Save dialog is open (the
     * engine goes on receiving), reported with no path yet. The same count again brings no
     * update; a smaller one is refused.
     */
    public static native boolean progress(long id, long receivedBytes);

    public static native boolean complete(long id);

    /** The connection breaks: the download stops, neither complete nor cancelled. */
    public static native boolean interrupt(long id);

    /** The user removes the running download from the engine's list. */
    public static native boolean remove(long id);

    /** One download as the engine saw it through. */
    public static final class Record {
        public final long id;
        public final int browserId;
        public final int stage;
        public final boolean continued;
        public final boolean showDialog;
        public final int updates;
        public final int cancelCalls;
        public final String url;
        public final String suggestedName;
        public final String continuePath;
        public final String dialogName;
        public final String fullPath;

        Record(long[] numbers, String[] texts) {
            id = numbers[0];
            browserId = (int) numbers[1];
            stage = (int) numbers[2];
            continued = numbers[3] != 0;
            showDialog = numbers[4] != 0;
            updates = (int) numbers[5];
            cancelCalls = (int) numbers[6];
            url = texts[0];
            suggestedName = texts[1];
            continuePath = texts[2];
            dialogName = texts[3];
            fullPath = texts[4];
        }

        @Override
        public String toString() {
            return "download[" + id + ", browser " + browserId + ", stage " + stage + ", continued "
                    + continued + " '" + continuePath + "' dialog " + showDialog + " '" + dialogName
                    + "', path '" + fullPath + "', " + updates + " updates, " + cancelCalls
                    + " cancels]";
        }
    }

    /** The download with that id; null when there is none. */
    public static Record record(long id) {
        Object[] parts = nativeRecord(id);
        return parts == null ? null : new Record((long[]) parts[0], (String[]) parts[1]);
    }

    private static native long nativeStart(int browserId, String url, String suggestedName,
            long totalBytes);

    private static native boolean nativeChooseSavePath(long id, String path);

    private static native Object[] nativeRecord(long id);
}
