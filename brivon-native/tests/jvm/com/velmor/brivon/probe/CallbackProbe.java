package com.velmor.brivon.probe;

/**
 * Entry points of the probe build of the bridge: its own callback and string code, driven the
 * way engine callbacks drive it.
 */
public final class CallbackProbe {
    /** Bits of {@link #callOnEngineThread}'s answer. */
    public static final int WAS_DETACHED_BEFORE = 1;
    public static final int JAVA_COMPLETED = 2;
    public static final int ATTACHED_AFTER = 4;

    /** Slot numbers, in the bridge's order. */
    public static final int LOAD_SLOT = 0;
    public static final int RENDER_SLOT = 1;

    private CallbackProbe() {
    }

    /** Calls the no-argument method of the handler in the slot from a new native thread. */
    public static native int callOnEngineThread(int slot, String method);

    /** Queues an engine task that calls the no-argument method of the handler in the slot. */
    public static native boolean postToPump(int slot, String method);

    /**
     * Queues {@code count} engine tasks, each calling {@code echo(text)} of the handler in the
     * slot and leaving the argument and the answer to the callback's own cleanup.
     */
    public static native boolean postEchoes(int slot, String text, int count);

    /**
     * Hands the bridge's RunContextMenu a menu model without items for the browser's main frame,
     * as the engine would; its answer as 1 or 0, or -1 for an unknown browser. Pumping thread.
     */
    public static native int runEmptyContextMenu(long browserId, int x, int y);

    /** The engine string a Java string becomes, as UTF-16 units. */
    public static native char[] toEngineUnits(String text);

    /** The Java string an engine string of these UTF-16 units becomes. */
    public static native String fromEngineUnits(char[] units);
}
