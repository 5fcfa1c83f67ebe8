package com.velmor.brivon.sim;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

/**
 * Context menus the user asks for on a page, and what the client made of each. The engine
 * handles a request in a later loop iteration; pump to see it.
 */
public final class SimMenus {
    /** What was right-clicked. */
    public static final int PAGE = 0;
    public static final int SELECTION = 1;
    public static final int EDITABLE = 2;

    /** What an editable field can do, the engine's CM_EDITFLAG_ values. */
    public static final int CAN_UNDO = 1;
    public static final int CAN_REDO = 2;
    public static final int CAN_CUT = 4;
    public static final int CAN_COPY = 8;
    public static final int CAN_PASTE = 16;
    public static final int CAN_DELETE = 32;
    public static final int CAN_SELECT_ALL = 64;

    /** How a request ended. */
    public static final int PENDING = 0;
    public static final int NOT_SHOWN = 1;
    public static final int ENGINE_MENU = 2;
    public static final int CONTINUED = 3;
    public static final int CANCELED = 4;

    private SimMenus() {
    }

    /** One request as the engine saw it through. */
    public static final class Record {
        public final int browserId;
        public final int itemCount;
        public final boolean runCalled;
        /** One of {@link #PENDING} .. {@link #CANCELED}. */
        public final int outcome;
        public final int commandId;
        public final int commandsDelivered;

        Record(int[] fields) {
            browserId = fields[0];
            itemCount = fields[1];
            runCalled = fields[2] != 0;
            outcome = fields[3];
            commandId = fields[4];
            commandsDelivered = fields[5];
        }

        @Override
        public String toString() {
            return "menu[browser " + browserId + ", " + itemCount + " items, run " + runCalled
                    + ", outcome " + outcome + ", command " + commandId + "/" + commandsDelivered
                    + "]";
        }
    }

    /**
     * A right-click at x, y (view coordinates) on the target in the main frame; editFlags
     * only for {@link #EDITABLE}. The request's number (from 1), or 0 for an unknown or
     * closed browser.
     */
    public static native int request(int browserId, int target, int x, int y, int editFlags);

    /** Every request so far; request n is at index n - 1. */
    public static List<Record> records() {
        List<Record> out = new ArrayList<>();
        for (int[] fields : nativeRecords()) {
            out.add(new Record(fields));
        }
        return Collections.unmodifiableList(out);
    }

    /** Request n, by its number. */
    public static Record record(int request) {
        return records().get(request - 1);
    }

    private static native int[][] nativeRecords();
}
