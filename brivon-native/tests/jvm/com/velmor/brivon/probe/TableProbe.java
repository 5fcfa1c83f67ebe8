package com.velmor.brivon.probe;

/** Entry points of the probe build that read the bridge's per-browser tables. */
public final class TableProbe {
    public static final int BROWSERS = 1;
    public static final int MANAGED = 2;
    public static final int VIEW_RECTS = 4;
    public static final int LOAD_END_SCRIPTS = 8;

    private TableProbe() {
    }

    /** The tables that hold the id, as the bits above. */
    public static native int tables(long browserId);

    /** Entries of the pending-query table: queries Java has not answered and that were not cancelled. */
    public static native int pendingQueries();

    /** {x, y, width, height} of the id's view rectangle; null without one. */
    public static native int[] viewRect(long browserId);

    /** The id's load-end script; null without an entry. */
    public static native String loadEndScript(long browserId);

    /** Holds the browser the id names, to put it back after the engine has closed it. */
    public static native boolean keep(long browserId);

    public static native void restoreKept();

    /** Takes the kept browser out of the tables again and lets it go. */
    public static native void dropKept();

    /** Sends the process's standard output to a file until {@link #endStdoutCapture}. */
    public static native boolean beginStdoutCapture();

    /** What was written meanwhile (ASCII); standard output goes where it went before. */
    public static native String endStdoutCapture();
}
