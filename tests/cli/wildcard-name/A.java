package p;

/** @author quarvel */
